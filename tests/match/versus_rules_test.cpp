// The versus rules that need no link: start positions, role order, name colours, results that
// cannot be cut short, the decided match in the own record.
#include "match_fixture.h"

using namespace match;

using VersusRulesTest = MatchTest;

TEST_F(VersusRulesTest, VersusResultsCannotBeCutShort) {
    window->versusMode = kLinkedAnswering;
    window->gameState = kRoundWon;
    window->resultCount = 50;
    window->loopRunning = true;
    window->StartRound();
    EXPECT_EQ(window->gameState, kRoundWon);
}

TEST_F(VersusRulesTest, TheAnsweringSideStartsAtPlusTwoHundredOnBothMachines) {
    EXPECT_EQ(StartPositionsFor(kSolo).own, 200.0f);
    EXPECT_EQ(StartPositionsFor(kLinkedAnswering).own, 200.0f);
    EXPECT_EQ(StartPositionsFor(kLinkedCalling).own, -200.0f);
    EXPECT_EQ(StartPositionsFor(kLinkedCalling).enemy, 200.0f);
    EXPECT_TRUE(OwnRobotFirst(kSolo));
    EXPECT_TRUE(OwnRobotFirst(kLinkedAnswering));
    EXPECT_FALSE(OwnRobotFirst(kLinkedCalling));
    EXPECT_EQ(NameColoursFor(kLinkedCalling).own, kRed);
    EXPECT_EQ(NameColoursFor(kLinkedAnswering).own, kCyan);
    window->versusMode = kLinkedCalling;
    StartRoundInLoop();
    EXPECT_EQ(window->myFream->pos, (battle::GroundPoint{-200, 0}));
    EXPECT_EQ(window->enemyFream->pos, (battle::GroundPoint{200, 0}));
}

TEST_F(VersusRulesTest, ADecidedVersusMatchCountsInTheOwnRecord) {
    window->loopRunning = true;
    window->versusMode = kLinkedCalling;
    window->gameState = kRoundWon;
    window->roundsWon = 2;
    window->roundsPlayed = 3;
    window->resultCount = 0;
    window->StepMatch();
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(window->versusMode, kVersusWanted);
    EXPECT_EQ(window->myFream->record.versusPlayed, 1);
    EXPECT_EQ(window->myFream->record.versusWon, 1);
    EXPECT_TRUE(window->freamDirty);
    window->versusMode = kLinkedAnswering;
    window->gameState = kRoundLost;
    window->roundsWon = 1;
    window->roundsPlayed = 3;
    window->StepMatch();
    EXPECT_EQ(window->myFream->record.versusPlayed, 2);
    EXPECT_EQ(window->myFream->record.versusWon, 1);
}

TEST_F(VersusRulesTest, AVersusWinHeadlinesTheOwnNameAndKeepsTheHighScores) {
    window->versusMode = kLinkedAnswering;
    StartFight();
    WinRound();
    StepsWhile(kRoundWon, 200);
    Steps(61);
    WinRound();
    EXPECT_EQ(window->roundsWon, 2);
    EXPECT_EQ(window->highScore[0], 0);
    EXPECT_EQ(window->selectedLevel, 1);
    window->resultCount = 99;
    TextList texts = window->StateTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "My_Fream WIN");
}
