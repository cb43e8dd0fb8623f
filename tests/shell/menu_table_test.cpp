// The main menu's command table: GTK labels from the item texts, and every command reachable;
// the tool bar's buttons.
#include "shell/menu_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "match/commands.h"

using shell::AcceleratorText;
using shell::ItemKind;
using shell::MnemonicLabel;

namespace {

TEST(MnemonicLabel, AmpersandMarksTheMnemonicAndUnderscoresStayLiteral) {
    EXPECT_EQ(MnemonicLabel("スタート(&S)"), "スタート(_S)");
    EXPECT_EQ(MnemonicLabel("SOLID_PAINT(&S)"), "SOLID__PAINT(_S)");
    EXPECT_EQ(MnemonicLabel("GOURAUD_SHADING(&G)"), "GOURAUD__SHADING(_G)");
    EXPECT_EQ(MnemonicLabel("A&&B"), "A&B");
    EXPECT_EQ(MnemonicLabel("ＢＧＭ(&B)..."), "ＢＧＭ(_B)...");
    EXPECT_EQ(MnemonicLabel("trailing&"), "trailing&");
}

TEST(MnemonicLabel, TheAcceleratorTextIsShownApart) {
    EXPECT_EQ(MnemonicLabel("終了(&X)\tAlt+F4"), "終了(_X)");
    EXPECT_EQ(AcceleratorText("終了(&X)\tAlt+F4"), "Alt+F4");
    EXPECT_EQ(AcceleratorText("スタート(&S)"), "");
}

void CollectCommands(std::span<const shell::MenuItem> items, std::multiset<int32_t> &commands) {
    for (const shell::MenuItem &item : items) {
        if (item.kind == ItemKind::Submenu) CollectCommands(item.submenu, commands);
        if (item.kind == ItemKind::Command || item.kind == ItemKind::CheckCommand) {
            EXPECT_NE(item.text, nullptr);
            commands.insert(item.command);
        }
    }
}

TEST(MainMenu, EveryMenuCommandAppearsExactlyOnce) {
    std::multiset<int32_t> commands;
    for (const shell::Menu &menu : shell::MainMenu()) CollectCommands(menu.items, commands);
    std::set<int32_t> expected = {
        match::kHelpDocumentCommand, match::kTopViewCommand,        match::kSideViewCommand,
        match::kMiddleViewCommand,   match::kScoreClearCommand,     match::kFrameEditorCommand,
        match::kFrameReadCommand,    match::kFrameWriteCommand,     match::kStartCommand,
        match::kVersusCommand,       match::kShieldCommand,         match::kWireFrameCommand,
        match::kSolidPaintCommand,   match::kHalftonePaintCommand,  match::kGouraudShadingCommand,
        match::kSoundEffectsCommand, match::kMusicCommand,          match::kVersionCommand,
        match::kExitCommand,         match::kPaletteDisplayCommand, match::kNetworkCommand};
    for (int32_t level = 0; level < 8; ++level) expected.insert(match::kLevel1Command + level);
    for (int32_t port = 0; port < 3; ++port) expected.insert(match::kPort1Command + port);
    EXPECT_EQ(std::set<int32_t>(commands.begin(), commands.end()), expected);
    EXPECT_EQ(commands.size(), expected.size());
}

TEST(MainMenu, ItemsWithACheckMarkAreCheckItems) {
    // Their enablers set a check mark, so GTK must draw one; the others never carry one.
    const std::set<int32_t> checked = {121, 122, 123, 124, 125, 126, 127, 128, 129, 131, 141, 142,
                                       143, 144, 145, 151, 152, 2,   3,   4,   161, 162, 163, 164};
    std::function<void(std::span<const shell::MenuItem>)> check =
        [&](std::span<const shell::MenuItem> items) {
            for (const shell::MenuItem &item : items) {
                if (item.kind == ItemKind::Submenu) check(item.submenu);
                if (item.kind == ItemKind::Command) {
                    EXPECT_FALSE(checked.count(item.command));
                }
                if (item.kind == ItemKind::CheckCommand) {
                    EXPECT_TRUE(checked.count(item.command));
                }
            }
        };
    for (const shell::Menu &menu : shell::MainMenu()) check(menu.items);
}

}  // namespace

TEST(ToolBar, EachButtonNamesItsOwnCommand) {
    std::set<std::string> tooltips;
    std::vector<int32_t> commands;
    for (const shell::ToolButton &button : shell::ToolBarButtons()) {
        EXPECT_STRNE(button.tooltip, shell::kToolBarCaption);
        tooltips.insert(button.tooltip);
        commands.push_back(button.command);
    }
    EXPECT_EQ(commands, (std::vector<int32_t>{match::kStartButton, match::kGunButton,
                                              match::kMissileButton, match::kBombButton}));
    EXPECT_EQ(tooltips.size(), commands.size());
}
