// The match rules: a whole solo match from the first round to the next level, game over and the
// ending; draws, round scores, high scores, the own record's best scores, sounds and the versus
// rules that need no link.
#include <algorithm>

#include "match_fixture.h"

using namespace match;

class MatchRulesTest : public MatchTest {
  protected:
    // Ends the fight by time with the given shields.
    void EndByTime(int32_t own, int32_t enemy) {
        window->myFream->shield = own;
        window->enemyFream->shield = enemy;
        window->timeCount = 0;
        window->RoundEnd();
    }
};

TEST_F(MatchRulesTest, AWonRoundShowsItsResultWithTheReplayThenTheNextRoundStarts) {
    StartFight();
    ASSERT_LT(WinRound(), 40);
    EXPECT_EQ(window->gameState, kRoundWon);
    EXPECT_EQ(window->resultCount, 100);
    EXPECT_EQ(window->roundsWon, 1);
    EXPECT_EQ(window->roundsPlayed, 1);
    // During the replay the robots stand still whatever they were ordered.
    window->myFream->moving = 1;
    window->myFream->moveTarget = battle::GroundPoint{-500, 300};
    battle::GroundPoint before = window->myFream->pos;
    int32_t timeBefore = window->timeCount;
    Steps(100);
    EXPECT_EQ(window->gameState, kRoundWon);
    EXPECT_EQ(window->resultCount, 0);
    EXPECT_EQ(window->myFream->pos, before);
    EXPECT_EQ(window->timeCount, timeBefore);
    Steps(1);
    EXPECT_EQ(window->gameState, kReady);
    EXPECT_EQ(window->timeCount, 1559);
    EXPECT_EQ(window->roundsPlayed, 1);
    EXPECT_EQ(window->enemyFream->shield, 100);
}

TEST_F(MatchRulesTest, TwoWonRoundsClearTheLevelAndTheNextLevelStartsWithFreshCounters) {
    StartFight();
    WinRound();
    int32_t first = window->totalScore;
    StepsWhile(kRoundWon, 200);
    Steps(61);
    WinRound();
    EXPECT_EQ(window->roundsWon, 2);
    EXPECT_GT(window->totalScore, first);
    EXPECT_EQ(window->selectedLevel, 2);
    EXPECT_EQ(window->currentLevel, 1);
    EXPECT_EQ(window->levelReached, 4);
    EXPECT_EQ(window->highScore[0], window->totalScore);
    EXPECT_EQ(window->highName[0], "My_Fream");
    EXPECT_EQ(window->myFream->record.score[0], window->totalScore);
    EXPECT_TRUE(window->freamDirty);
    StepsWhile(kRoundWon, 200);
    EXPECT_EQ(window->gameState, kReady);
    EXPECT_EQ(window->currentLevel, 2);
    EXPECT_EQ(window->roundsWon, 0);
    EXPECT_EQ(window->roundsPlayed, 0);
    EXPECT_STREQ(window->enemyFream->record.name, "HotDog");
}

TEST_F(MatchRulesTest, ClearingLevelSevenOpensLevelEight) {
    window->levelReached = 7;
    window->selectedLevel = 7;
    StartFight();
    WinRound();
    StepsWhile(kRoundWon, 200);
    Steps(61);
    WinRound();
    EXPECT_EQ(window->selectedLevel, 8);
    EXPECT_EQ(window->levelReached, 8);
}

TEST_F(MatchRulesTest, TwoLostRoundsAreGameOverAndTheTitleReturnsThreeHundredStepsLater) {
    window->selectedLevel = 3;
    StartFight();
    LoseRound();
    EXPECT_EQ(window->gameState, kRoundLost);
    StepsWhile(kRoundLost, 200);
    ASSERT_EQ(window->gameState, kReady);
    Steps(61);
    LoseRound();
    EXPECT_EQ(window->gameState, kRoundLost);
    EXPECT_EQ(window->roundsPlayed - window->roundsWon, 2);
    Steps(300);
    EXPECT_EQ(window->gameState, kRoundLost);
    EXPECT_EQ(window->resultCount, -200);
    Steps(1);
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(window->selectedLevel, 3);
    EXPECT_EQ(window->roundsPlayed, 0);
}

TEST_F(MatchRulesTest, StartAfterGameOverPlaysTheSameLevelFromNoughtToNought) {
    window->selectedLevel = 2;
    StartFight();
    LoseRound();
    StepsWhile(kRoundLost, 200);
    Steps(61);
    LoseRound();
    Steps(150);
    window->StartRound();  // cuts the solo result display short
    EXPECT_EQ(window->gameState, kReady);
    EXPECT_EQ(window->currentLevel, 2);
    EXPECT_EQ(window->roundsPlayed, 0);
    EXPECT_EQ(window->roundsWon, 0);
}

TEST_F(MatchRulesTest, WinningLevelEightLeadsToTheEndingAndBackToTheTitle) {
    window->levelReached = 8;
    window->selectedLevel = 8;
    StartFight();
    WinRound();
    StepsWhile(kRoundWon, 200);
    Steps(61);
    WinRound();
    EXPECT_EQ(window->selectedLevel, 1);
    EXPECT_EQ(window->levelReached, 8);
    StepsWhile(kRoundWon, 200);
    ASSERT_EQ(window->gameState, kEnding);
    EXPECT_STREQ(window->enemyFream->record.name, "HotDog");
    EXPECT_STREQ(window->thirdFream->record.name, "Dragon");
    Steps(1079);
    EXPECT_EQ(window->gameState, kEnding);
    EXPECT_EQ(window->timeCount, 1079);
    Steps(1);
    EXPECT_EQ(window->gameState, kTitle);
}

TEST_F(MatchRulesTest, EqualShieldsAtTimeOutOrBothDestroyedAreDrawsThatCountForNobody) {
    StartFight();
    EndByTime(40, 40);
    EXPECT_EQ(window->gameState, kRoundDraw);
    EXPECT_EQ(window->roundsPlayed, 0);
    EXPECT_EQ(window->resultCount, 100);
    window->gameState = kFight;
    window->myFream->shield = -3;
    window->enemyFream->shield = -1;
    window->RoundEnd();
    EXPECT_EQ(window->gameState, kRoundDraw);
    EXPECT_EQ(window->roundsPlayed, 0);
    EXPECT_EQ(window->roundsWon, 0);
}

TEST_F(MatchRulesTest, TheHigherShieldWinsWhenTimeRunsOut) {
    StartFight();
    EndByTime(30, 31);
    EXPECT_EQ(window->gameState, kRoundLost);
    EXPECT_EQ(window->roundsPlayed, 1);
    window->gameState = kFight;
    EndByTime(31, 30);
    EXPECT_EQ(window->gameState, kRoundWon);
    EXPECT_EQ(window->roundsWon, 1);
}

TEST_F(MatchRulesTest, RoundEndActsOnlyDuringTheFight) {
    StartRoundInLoop();
    window->enemyFream->shield = -1;
    window->RoundEnd();
    EXPECT_EQ(window->gameState, kReady);
    EXPECT_EQ(window->resultCount, 0);
}

TEST_F(MatchRulesTest, RoundScoresCountStepsLeftAndShield) {
    EXPECT_EQ(RoundScore(0, 0), 0);
    EXPECT_EQ(RoundScore(-1, 0), 0);
    EXPECT_EQ(RoundScore(24, 1), 40);
    EXPECT_EQ(RoundScore(25, 1), 60);
    EXPECT_EQ(RoundScore(1499, 100), 59 * 20 + 4000);
    StartFight();
    window->myFream->shield = 0;
    window->enemyFream->shield = -1;
    window->timeCount = 0;
    window->RoundEnd();
    EXPECT_EQ(window->gameState, kRoundWon);
    EXPECT_EQ(window->totalScore, 0);
}

TEST_F(MatchRulesTest, LowerTotalsKeepTheHighScoreAndTheRecordsBestScore) {
    window->highScore[0] = 99999;
    window->highName[0] = "Someone";
    window->myFream->record.score[0] = 99999;
    StartFight();
    WinRound();
    StepsWhile(kRoundWon, 200);
    Steps(61);
    WinRound();
    EXPECT_EQ(window->highScore[0], 99999);
    EXPECT_EQ(window->highName[0], "Someone");
    EXPECT_EQ(window->myFream->record.score[0], 99999);
    EXPECT_FALSE(window->freamDirty);
    EXPECT_EQ(window->selectedLevel, 2);
}

// The tune that fails to start, if any: the game goes on silent and says nothing.
class RoundSoundsTest : public MatchTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(RoundSoundsTest, RoundStartsAndResultsPlayTheirSoundsAndMusic) {
    hosts.recordedMusic.unplayable = GetParam();
    StartRoundInLoop();
    EXPECT_EQ(hosts.recordedSounds.played, std::vector<std::string>{"ReadyGo.wav"});
    EXPECT_EQ(hosts.recordedMusic.calls, (std::vector<std::string>{"stop", "play Action1.Mid"}));
    Steps(61);
    hosts.recordedMusic.calls.clear();
    WinRound();
    EXPECT_EQ(window->gameState, kRoundWon);
    EXPECT_EQ(hosts.recordedMusic.calls, (std::vector<std::string>{"stop", "play Win.Mid"}));
    EXPECT_TRUE(hosts.window.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(UnplayableTune, RoundSoundsTest,
                         ::testing::Values("", "Action1.Mid", "Win.Mid"));

TEST_F(MatchRulesTest, SwitchedOffSoundsStaySilent) {
    window->waveOn = false;
    window->midiOn = false;
    StartFight();
    LoseRound();
    EXPECT_TRUE(hosts.recordedSounds.played.empty());
    EXPECT_TRUE(hosts.recordedMusic.calls.empty());
}

TEST_F(MatchRulesTest, TheComputerGivesOrdersInTheFightButNotWhileReady) {
    StartRoundInLoop();
    battle::TFream &enemy = *window->enemyFream;
    for (int step = 0; step < 60; ++step) {
        Steps(1);
        EXPECT_EQ(enemy.moveTarget, battle::GroundPoint{}) << step;
        EXPECT_EQ(enemy.moving, 0);
    }
    Steps(1);
    ASSERT_EQ(window->gameState, kFight);
    int ordered = 0;
    for (int step = 0; step < 300 && window->gameState == kFight; ++step) {
        Steps(1);
        if (!(enemy.moveTarget == battle::GroundPoint{})) ++ordered;
    }
    EXPECT_GT(ordered, 0);
}

TEST_F(MatchRulesTest, StartDoesNothingDuringARoundAndReturnsToTheTitleWithoutALink) {
    StartRoundInLoop();
    Steps(5);
    window->StartRound();
    EXPECT_EQ(window->timeCount, 1555);
    window->gameState = kTitle;
    window->versusMode = kVersusWanted;
    window->StartRound();
    EXPECT_EQ(window->gameState, kTitle);
}
