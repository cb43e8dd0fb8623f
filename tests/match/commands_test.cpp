// The command table: what each command does, and when its item is grey or checked.
#include "match_fixture.h"

using namespace match;

using CommandsTest = MatchTest;

TEST_F(CommandsTest, LevelsUpToTheOneReachedAreOfferedOutsideARound) {
    window->levelReached = 3;
    window->gameState = kTitle;
    for (int32_t level = 1; level <= 8; ++level) {
        CommandState state = window->QueryCommand(kLevel1Command + level - 1);
        EXPECT_EQ(state.enabled, level <= 3) << level;
        EXPECT_EQ(state.checked, level == 1) << level;
    }
    window->RunCommand(kLevel1Command + 2);
    EXPECT_EQ(window->selectedLevel, 3);
    window->RunCommand(kLevel1Command + 5);  // grey: nothing happens
    EXPECT_EQ(window->selectedLevel, 3);
    for (int32_t state : {kReady, kFight}) {
        window->gameState = state;
        for (int32_t level = 1; level <= 8; ++level)
            EXPECT_FALSE(window->QueryCommand(kLevel1Command + level - 1).enabled);
    }
}

TEST_F(CommandsTest, ViewsAreCheckedByTheStagesModeAndGreyDuringARound) {
    EXPECT_TRUE(window->QueryCommand(kMiddleViewCommand).checked);
    window->RunCommand(kSideViewCommand);
    EXPECT_EQ(window->stage->viewMode, battle::kSideView);
    window->RunCommand(kTopViewCommand);
    EXPECT_EQ(window->stage->viewMode, battle::kTopView);
    EXPECT_TRUE(window->QueryCommand(kTopViewCommand).checked);
    EXPECT_FALSE(window->QueryCommand(kSideViewCommand).checked);
    window->gameState = kFight;
    EXPECT_FALSE(window->QueryCommand(kMiddleViewCommand).enabled);
    window->RunCommand(kMiddleViewCommand);
    EXPECT_EQ(window->stage->viewMode, battle::kTopView);
}

TEST_F(CommandsTest, ExactlyOneModelModeIsCheckedAndTheyWorkDuringARound) {
    window->gameState = kFight;
    for (int32_t command = kWireFrameCommand; command <= kGouraudShadingCommand; ++command) {
        ASSERT_TRUE(window->QueryCommand(command).enabled);
        window->RunCommand(command);
        int checked = 0;
        for (int32_t other = kWireFrameCommand; other <= kGouraudShadingCommand; ++other)
            checked += window->QueryCommand(other).checked ? 1 : 0;
        EXPECT_EQ(checked, 1) << command;
    }
    window->RunCommand(kSolidPaintCommand);
    EXPECT_EQ(GetModelMode(), TZ_MODEL_SOLID);
    EXPECT_TRUE(window->QueryCommand(kSolidPaintCommand).checked);
}

TEST_F(CommandsTest, TheEffectsSwitchSilencesTheFightingRobotsOnly) {
    EXPECT_TRUE(window->QueryCommand(kSoundEffectsCommand).checked);
    window->RunCommand(kSoundEffectsCommand);
    EXPECT_FALSE(window->waveOn);
    EXPECT_FALSE(window->QueryCommand(kSoundEffectsCommand).checked);
    EXPECT_EQ(window->myFream->soundOn, 0);
    EXPECT_EQ(window->enemyFream->soundOn, 0);
    EXPECT_EQ(window->thirdFream->soundOn, 1);
    window->RunCommand(kSoundEffectsCommand);
    EXPECT_TRUE(window->waveOn);
    EXPECT_EQ(window->myFream->soundOn, 1);
}

TEST_F(CommandsTest, MusicOffStopsAtOnceAndOnWaitsForTheNextRound) {
    window->RunCommand(kMusicCommand);
    EXPECT_FALSE(window->midiOn);
    EXPECT_EQ(hosts.recordedMusic.calls, std::vector<std::string>{"stop"});
    window->RunCommand(kMusicCommand);
    EXPECT_TRUE(window->midiOn);
    EXPECT_TRUE(window->QueryCommand(kMusicCommand).checked);
    EXPECT_EQ(hosts.recordedMusic.calls.size(), 1u);
}

TEST_F(CommandsTest, TheShieldWindowClosesAndReopensWhereItLastStood) {
    ASSERT_TRUE(hosts.shieldWindow.open);
    EXPECT_TRUE(window->QueryCommand(kShieldCommand).checked);
    window->RunCommand(kShieldCommand);
    EXPECT_FALSE(hosts.shieldWindow.open);
    EXPECT_FALSE(window->QueryCommand(kShieldCommand).checked);
    hosts.shieldWindow.x = 40;
    hosts.shieldWindow.y = 70;
    window->shieldWindow->rightName.clear();
    window->RunCommand(kShieldCommand);
    EXPECT_TRUE(hosts.shieldWindow.open);
    EXPECT_EQ(hosts.shieldWindow.x, 40);
    EXPECT_EQ(hosts.shieldWindow.y, 70);
    EXPECT_EQ(window->shieldWindow->rightName, "My_Fream");
}

TEST_F(CommandsTest, ScoreClearResetsTheTableButNotTheLevelReached) {
    window->highScore[4] = 1234;
    window->levelReached = 6;
    window->RunCommand(kScoreClearCommand);
    for (int32_t level = 0; level < kLevels; ++level) {
        EXPECT_EQ(window->highScore[level], 0);
        EXPECT_EQ(window->highName[level], "My_Fream");
    }
    EXPECT_EQ(window->levelReached, 6);
}

TEST_F(CommandsTest, StartExitWeaponsHelpAndTheEmptyButton) {
    window->loopRunning = true;
    window->RunCommand(kStartButton);
    EXPECT_EQ(window->gameState, kReady);
    window->RunCommand(kMissileButton);
    EXPECT_EQ(window->myFream->weaponSelect, 1);
    window->RunCommand(kGunButton);
    EXPECT_EQ(window->myFream->weaponSelect, 0);
    window->RunCommand(kExitCommand);
    EXPECT_EQ(hosts.window.closeRequests, 1);
    window->RunCommand(kHelpDocumentCommand);
    ASSERT_EQ(hosts.window.openedDocuments.size(), 1u);
    EXPECT_NE(hosts.window.openedDocuments[0].find("morvex.html"), std::string::npos);
    EXPECT_TRUE(hosts.window.messages.empty());
    EXPECT_FALSE(window->QueryCommand(kBombButton).enabled);
    EXPECT_TRUE(window->QueryCommand(kStartCommand).enabled);
}

TEST_F(CommandsTest, HelpWithoutAViewerSaysSoAndNamesTheFile) {
    hosts.window.documentFailure = "no application handles this file";
    window->RunCommand(kHelpDocumentCommand);
    ASSERT_EQ(hosts.window.messages.size(), 1u);
    const FakeWindowHost::Message &message = hosts.window.messages[0];
    EXPECT_NE(message.text.find(hosts.window.openedDocuments.at(0)), std::string::npos);
    EXPECT_NE(message.text.find("no application handles this file"), std::string::npos);
    EXPECT_EQ(message.icon, MessageIcon::Error);
}

TEST_F(CommandsTest, TheVersionCommandShowsTheMasteryAndClosesAgain) {
    window->myFream->record.score[0] = 160;
    window->RunCommand(kVersionCommand);
    ASSERT_TRUE(hosts.versionDialog.open);
    EXPECT_EQ(hosts.versionDialog.texts[kMasteryLine], "My_Fream ﾏｳｽ達人度 000160 点");
    window->RunCommand(kVersionCommand);
    EXPECT_FALSE(hosts.versionDialog.open);
}

TEST_F(CommandsTest, FrameFilesLoadOnlyWhenStoppedOrOnTheTitleAndSaveOutsideARound) {
    for (int32_t state = kStopped; state <= kEnding; ++state) {
        window->gameState = state;
        EXPECT_EQ(window->QueryCommand(kFrameReadCommand).enabled,
                  state == kStopped || state == kTitle)
            << state;
        EXPECT_EQ(window->QueryCommand(kFrameWriteCommand).enabled,
                  state != kReady && state != kFight)
            << state;
    }
}

TEST_F(CommandsTest, UnknownCommandsAreGrey) {
    EXPECT_FALSE(window->QueryCommand(99999).enabled);
}
