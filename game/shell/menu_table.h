// The main menu as one table: every item's text (with "&X" mnemonics) and command.
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

// An item's label for GTK: "&X" becomes "_X", "&&" a plain "&", a literal "_" is doubled, and
// the accelerator text after a tab is left out.
std::string MnemonicLabel(std::string_view text);

// The accelerator text after the tab ("Alt+F4"), or empty.
std::string_view AcceleratorText(std::string_view text);

}  // namespace shell
