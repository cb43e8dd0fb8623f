// The main menu and the tool bar as tables: every item's text (with "&X" mnemonics) and
// command, and every button's command and tooltip.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace shell {

enum class ItemKind { Command, CheckCommand, Separator, Submenu };

struct MenuItem {
    ItemKind kind;
    const char *text;  // "&X" marks the mnemonic; "\t" starts the accelerator text
    int32_t command;   // 0 for separators and submenus
    std::span<const MenuItem> submenu;
};

struct Menu {
    const char *text;
    std::span<const MenuItem> items;
};

// The menu bar, left to right.
std::span<const Menu> MainMenu();

// A tool bar button: its command, and the tooltip that names the command.
struct ToolButton {
    int32_t command;
    const char *tooltip;
};

// The tool bar's caption, which names the bar as a whole.
constexpr const char *kToolBarCaption = "ｺﾝﾄﾛｰﾙ";

// The tool bar's buttons, left to right; a small gap follows the first.
std::span<const ToolButton> ToolBarButtons();

// An item's label for GTK: "&X" becomes "_X", "&&" a plain "&", a literal "_" is doubled, and
// the accelerator text after a tab is left out.
std::string MnemonicLabel(std::string_view text);

// The accelerator text after the tab ("Alt+F4"), or empty.
std::string_view AcceleratorText(std::string_view text);

}  // namespace shell
