// The texts each state shows: fight time, round start, results, the title's help lines and
// high-score list, and the ending.
#include "match_fixture.h"

using namespace match;

class StateTextsTest : public MatchTest {
  protected:
    TextList Texts(int32_t state, int32_t count) {
        window->gameState = state;
        window->timeCount = count;
        return window->StateTexts();
    }
    std::vector<std::string> Lines(const TextList &texts) {
        std::vector<std::string> lines;
        for (const TextItem &item : texts) lines.push_back(item.text);
        return lines;
    }
};

TEST_F(StateTextsTest, TheFightShowsTheTimeFromSixtyDownToOne) {
    TextList texts = Texts(kFight, 1499);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "TIME 60");
    EXPECT_EQ(texts[0].x, 320);
    EXPECT_EQ(texts[0].y, 10);
    EXPECT_EQ(texts[0].colour, kYellow);
    EXPECT_EQ(texts[0].height, 22);
    EXPECT_EQ(Texts(kFight, 25)[0].text, "TIME 02");
    EXPECT_EQ(Texts(kFight, 24)[0].text, "TIME 01");
    EXPECT_EQ(Texts(kFight, 0)[0].text, "TIME 01");
}

TEST_F(StateTextsTest, TheRoundStartShowsReadyThenGoAndBothNames) {
    window->loopRunning = true;
    window->StartRound();
    std::vector<std::string> ready{"ROUND 1", "Ready", "FlyFream", "My_Fream"};
    EXPECT_EQ(Lines(Texts(kReady, 1560)), ready);
    EXPECT_EQ(Lines(Texts(kReady, 1511)), ready);
    std::vector<std::string> go{"ROUND 1", " GO !", "FlyFream", "My_Fream"};
    EXPECT_EQ(Lines(Texts(kReady, 1510)), go);
    EXPECT_EQ(Lines(Texts(kReady, 1500)), go);
    TextList texts = Texts(kReady, 1530);
    EXPECT_EQ(texts[0].y, 220);
    EXPECT_EQ(texts[2].colour, kRed);
    EXPECT_EQ(texts[3].colour, kCyan);
    EXPECT_EQ(texts[3].height, 15);
    TzPoint own{};
    ASSERT_EQ(Get2DObjectPoint(window->scene.data(), window->myFream->slotIndex, 1, &own), 1);
    EXPECT_EQ(texts[3].x, own.x + 40);
    EXPECT_EQ(texts[3].y, own.y + 30);
    window->roundsPlayed = 2;
    window->versusMode = kLinkedCalling;
    texts = Texts(kReady, 1530);
    EXPECT_EQ(texts[0].text, "ROUND 3");
    EXPECT_EQ(texts[2].colour, kCyan);
    EXPECT_EQ(texts[3].colour, kRed);
}

TEST_F(StateTextsTest, TheResultLinesAppearOneByOneAsTheCountRunsDown) {
    window->currentLevel = 3;
    window->roundsWon = 1;
    window->totalScore = 4321;
    window->myFream->shield = 55;
    window->timeCount = 1000;
    window->gameState = kRoundWon;
    const int32_t counts[] = {100, 99, 79, 59, 39};
    for (size_t shown = 0; shown < 5; ++shown) {
        window->resultCount = counts[shown];
        EXPECT_EQ(window->StateTexts().size(), shown) << counts[shown];
    }
    std::vector<std::string> expected{
        "GAME WIN",
        " TIME     SCORE   040 * 20 = 00800",
        " SHIELD   SCORE   055 * 40 = 02200",
        " TOTAL    SCORE               04321",
    };
    EXPECT_EQ(Lines(window->StateTexts()), expected);
    window->roundsWon = 2;
    window->selectedLevel = 4;
    TextList texts = window->StateTexts();
    EXPECT_EQ(texts[0].text, "LEVEL 3  CLEAR");
    EXPECT_EQ(texts[0].y, 160);
    EXPECT_EQ(texts[0].colour, kCyan);
}

TEST_F(StateTextsTest, DrawsLossesAndGameOver) {
    EXPECT_EQ(Lines(Texts(kRoundDraw, 0)), std::vector<std::string>{"GAME DRAW"});
    window->roundsPlayed = 1;
    EXPECT_EQ(Lines(Texts(kRoundLost, 0)), std::vector<std::string>{"GAME LOSE"});
    window->roundsPlayed = 2;
    EXPECT_EQ(Lines(Texts(kRoundLost, 0)), std::vector<std::string>{"GAME OVER"});
}

TEST_F(StateTextsTest, TheTitleSlidesItsHelpLinesInThenRaisesTheHighScores) {
    TextList texts = Texts(kTitle, 0);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, "M o r - V e x");
    EXPECT_EQ(texts[0].height, 60);
    EXPECT_EQ(texts[1].x, 315);
    EXPECT_EQ(texts[2].text, "マウス左クリック : 攻撃");
    EXPECT_EQ(texts[2].x, 320 + 1600);
    EXPECT_EQ(texts[3].x, 320 - 1600);
    EXPECT_EQ(texts[2].y, 96 + 48);
    EXPECT_EQ(texts[5].y, 96 + 4 * 48);
    EXPECT_EQ(Texts(kTitle, 40)[4].x, 320 + 320);
    EXPECT_EQ(Texts(kTitle, 50)[5].x, 320);
    EXPECT_EQ(Texts(kTitle, 199).size(), 6u);
    window->highScore[1] = 5180;
    window->highName[1] = "Hero";
    texts = Texts(kTitle, 200);
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[2].text, "HIGH SCORE");
    EXPECT_EQ(texts[2].y, 96 + 32 + 480);
    EXPECT_EQ(texts[4].text, "Level2 05180POINTS                 Hero");
    EXPECT_EQ(texts[3].text, "Level1 00000POINTS              MyFream");
    EXPECT_EQ(Texts(kTitle, 250)[2].y, 96 + 32 + 240);
    EXPECT_EQ(Texts(kTitle, 300)[2].y, 96 + 32);
    EXPECT_EQ(Texts(kTitle, 700)[10].y, 96 + 32 * 9);
}

TEST_F(StateTextsTest, TheStoppedScreenShowsOnlyTheTitle) {
    EXPECT_EQ(Lines(Texts(kStopped, 0)),
              (std::vector<std::string>{"M o r - V e x", "M o r - V e x"}));
}

TEST_F(StateTextsTest, TheEndingShowsTheClearTheOwnScoresTheCreditsAndTheChallenge) {
    TextList texts = Texts(kEnding, 0);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "ALL LEVEL CLEAR!!");
    EXPECT_EQ(texts[0].colour, kGreen);
    EXPECT_EQ(texts[0].height, 30);
    for (int32_t level = 0; level < kLevels; ++level) window->myFream->record.score[level] = 10;
    texts = Texts(kEnding, 200);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[0].text, " My_Fream SCORE");
    EXPECT_EQ(texts[0].y, 48 + 32 + 480);
    EXPECT_EQ(texts[8].text, "Level8 00010POINTS");
    EXPECT_EQ(texts[9].text, "達人度 000108");
    EXPECT_EQ(Texts(kEnding, 859)[9].y, 48 + 32 * 10);
    EXPECT_EQ(Texts(kEnding, 860).size(), 2u);
    EXPECT_EQ(Texts(kEnding, 959)[0].colour, kWhite);
    texts = Texts(kEnding, 960);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "CHALLENGE FREAMMASTER!!");
    EXPECT_EQ(texts[0].colour, kRed);
}
