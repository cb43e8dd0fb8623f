// The settings file through the game window: read when the window is created, written at an
// accepted close, and the question about a changed robot that can keep the program running.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "match_fixture.h"

using namespace match;

namespace {

class SettingsTest : public MatchTest {
  protected:
    void WriteFile(const std::string &text) {
        std::ofstream(hosts.settings.Path(), std::ios::binary) << text;
    }
    std::string FileText() const {
        std::ifstream file(hosts.settings.Path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // The program started again on the settings file as it is now.
    void Restart() {
        window.reset();
        hosts.shieldWindow = FakeShieldWindowHost();
        hosts.window.minimized = false;
        window = std::make_unique<TMainFrm>(hosts.Hosts());
        window->OnSize(640, 480);
        window->OnWindowCreated();
    }
};

TEST_F(SettingsTest, AnAcceptedCloseWritesEveryKeyInItsOrder) {
    ASSERT_TRUE(window->OnCloseQuery());
    std::string expected =
        "[morvex infor]\nshowcmd=1\nshield=1\nshieldx=320\nshieldy=0\nmodel=2\n"
        "midi=1\nwave=1\ncomm=1\nviewmode=11\nlevel=4\n";
    for (int level = 1; level <= kLevels; ++level)
        expected += "level" + std::to_string(level) + "score=0\nlevel" + std::to_string(level) +
                    "fream=MyFream\n";
    EXPECT_EQ(FileText(), expected + "palette256=0\nnetaddress=\n");
}

TEST_F(SettingsTest, WhatIsLeftAtCloseComesBackAtTheNextStart) {
    window->RunCommand(kSideViewCommand);
    window->RunCommand(kWireFrameCommand);
    window->RunCommand(kSoundEffectsCommand);
    window->RunCommand(kMusicCommand);
    window->RunCommand(kPaletteDisplayCommand);
    hosts.window.textAnswer = "[::1]:5200";
    window->RunCommand(kNetworkCommand);
    hosts.shieldWindow.x = 500;
    hosts.shieldWindow.y = -20;
    window->levelReached = 6;
    window->highScore[2] = 1234;
    window->highName[2] = "ロボ太郎";
    hosts.window.minimized = true;
    ASSERT_TRUE(window->OnCloseQuery());
    SettingsValues left = window->CurrentSettings();

    Restart();
    SettingsValues back = window->CurrentSettings();
    EXPECT_EQ(back.viewMode, battle::kSideView);
    EXPECT_EQ(back.modelMode, TZ_MODEL_WIRE);
    EXPECT_FALSE(window->waveOn || window->myFream->soundOn || window->thirdFream->soundOn);
    EXPECT_FALSE(window->midiOn);
    EXPECT_TRUE(window->QueryCommand(kPaletteDisplayCommand).checked);
    EXPECT_TRUE(window->QueryCommand(kNetworkCommand).checked);
    EXPECT_EQ(back.networkAddress, "[::1]:5200");
    EXPECT_EQ(back.shieldX, 500);
    EXPECT_EQ(back.shieldY, -20);
    EXPECT_EQ(back.levelReached, 6);
    EXPECT_EQ(back.highScore, left.highScore);
    EXPECT_EQ(back.highName, left.highName);
    // Closed minimized, the game still opens as usual.
    EXPECT_FALSE(hosts.window.minimized);
}

TEST_F(SettingsTest, AFileReadsIntoTheGameAsItsValuesSay) {
    WriteFile(
        "[morvex infor]\nshowcmd=7\nshield=0\nshieldx=40\nshieldy=50\ncomm=10\n"
        "level1fream=ロボットロボットロボットロボット\nlevel2fream=\xE2\x98\x83\n"
        "level3fream=\xFF\xFE\n");
    Restart();
    EXPECT_TRUE(hosts.window.minimized);
    EXPECT_FALSE(hosts.shieldWindow.open);
    EXPECT_EQ(window->commPort, 10);
    // Nine characters of two bytes each fit the 19 bytes of a name.
    EXPECT_EQ(window->highName[0], "ロボットロボットロ");
    // Shift_JIS has no snowman, and the third is not text at all.
    EXPECT_EQ(window->highName[1], "MyFream");
    EXPECT_EQ(window->highName[2], "MyFream");
    ASSERT_TRUE(window->OnCloseQuery());
    SettingsValues written = ReadSettings(platform::ProfileFile(FileText()));
    EXPECT_FALSE(written.shieldOpen);
    EXPECT_EQ(written.shieldX, 40);
    EXPECT_EQ(written.shieldY, 50);

    for (const char *hidden : {"0", "3"}) {
        WriteFile(std::string("[morvex infor]\nshowcmd=") + hidden + "\n");
        Restart();
        EXPECT_FALSE(hosts.window.minimized) << hidden;
    }
}

TEST_F(SettingsTest, TheQuestionAboutAChangedRobotCanKeepTheProgramRunning) {
    namespace fs = std::filesystem;
    std::string framePath =
        ::testing::TempDir() + "settings_test_" + std::to_string(getpid()) + ".frm";
    struct Case {
        MessageAnswer answer;
        std::optional<std::string> chosenFile;
        bool closes;
    };
    for (const Case &c :
         {Case{MessageAnswer::Cancel, framePath, false},
          Case{MessageAnswer::Yes, std::nullopt, false}, Case{MessageAnswer::No, framePath, true},
          Case{MessageAnswer::Yes, framePath, true}}) {
        fs::remove(hosts.settings.Path());
        fs::remove(framePath);
        window->freamDirty = true;
        hosts.window.answer = c.answer;
        hosts.window.chosenFiles = {c.chosenFile};
        hosts.window.messages.clear();
        EXPECT_EQ(window->OnCloseQuery(), c.closes);
        ASSERT_EQ(hosts.window.messages.size(), 1u);
        EXPECT_EQ(hosts.window.messages[0].text,
                  "フレーム情報が更新されています。\n保存しますか？");
        EXPECT_EQ(hosts.window.messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(fs::exists(hosts.settings.Path()), c.closes);
        EXPECT_EQ(fs::exists(framePath), c.answer == MessageAnswer::Yes && c.closes);
    }
    fs::remove(framePath);
}

TEST_F(SettingsTest, ClearedScoresReachTheFileOnlyAtTheNextClose) {
    WriteFile("[morvex infor]\nlevel1score=900\nlevel1fream=Ace\n");
    Restart();
    window->RunCommand(kScoreClearCommand);
    EXPECT_EQ(window->highScore[0], 0);
    EXPECT_EQ(window->highName[0], "My_Fream");
    EXPECT_EQ(FileText(), "[morvex infor]\nlevel1score=900\nlevel1fream=Ace\n");
    ASSERT_TRUE(window->OnCloseQuery());
    EXPECT_NE(FileText().find("level1score=0\nlevel1fream=My_Fream\n"), std::string::npos);
}

TEST_F(SettingsTest, TheColourDisplayItemSaysItWaitsForTheNextStart) {
    window->RunCommand(kPaletteDisplayCommand);
    window->RunCommand(kPaletteDisplayCommand);
    ASSERT_EQ(hosts.window.messages.size(), 2u);
    EXPECT_EQ(hosts.window.messages[0].text, "256色モードは次回の起動から有効になります。");
    EXPECT_EQ(hosts.window.messages[1].text, "256色モードは次回の起動から解除されます。");
    EXPECT_FALSE(window->QueryCommand(kPaletteDisplayCommand).checked);
}

}  // namespace
