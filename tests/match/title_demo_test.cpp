// The title screen's demo: its stages and robots for the program's fixed random sequence, the
// repeating 1000-step cycle, and a real fight between the two demo robots.
#include "battle/random.h"
#include "match_fixture.h"

using namespace match;

namespace {

// The program's generator, written out again so the test does not lean on the code it checks.
class ReferenceSequence {
  public:
    int32_t Below(int32_t n) {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF) % n;
    }

  private:
    uint32_t state_ = 1;
};

}  // namespace

using TitleDemoTest = MatchTest;

TEST_F(TitleDemoTest, PicksStagesOneToFourAndTwoDifferentRobotsButNeverDang) {
    battle::SeedRandom(1);
    ReferenceSequence reference;
    window->currentLevel = 0;
    int32_t previous = 0;
    for (int round = 0; round < 60; ++round) {
        window->TitleDemoSetup();
        int32_t level = 0;
        do {
            level = reference.Below(4) + 1;
        } while (level == previous);
        int32_t a = reference.Below(7) + 1;
        int32_t b = 0;
        do {
            b = reference.Below(7) + 1;
        } while (b == a);
        ASSERT_EQ(window->currentLevel, level) << round;
        EXPECT_NE(window->currentLevel, previous);
        EXPECT_STREQ(window->enemyFream->record.name, Roster(a).name);
        EXPECT_STREQ(window->thirdFream->record.name, Roster(b).name);
        EXPECT_STRNE(window->enemyFream->record.name, "Dang");
        EXPECT_STRNE(window->thirdFream->record.name, "Dang");
        EXPECT_EQ(window->enemyFream->pos, (battle::GroundPoint{200, 0}));
        EXPECT_EQ(window->thirdFream->pos, (battle::GroundPoint{-200, 0}));
        previous = level;
    }
    EXPECT_EQ(window->shieldWindow->rightName, window->enemyFream->record.name);
}

TEST_F(TitleDemoTest, EnteringTheTitleSetsTheDemoUpAgainAtTheFirstStep) {
    window->loopRunning = true;
    window->EnterTitle();
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(window->timeCount, 0);
    int32_t firstLevel = window->currentLevel;
    Steps(1);
    EXPECT_EQ(window->timeCount, 1);
    EXPECT_NE(window->currentLevel, firstLevel);
}

TEST_F(TitleDemoTest, TheCycleRestartsAtAThousandWithANewDemoEveryFourHundredSteps) {
    window->loopRunning = true;
    window->EnterTitle();
    window->timeCount = 399;
    Steps(1);
    int32_t level = window->currentLevel;
    Steps(1);  // step 400 sets a new demo up
    EXPECT_NE(window->currentLevel, level);
    EXPECT_EQ(window->timeCount, 401);
    window->timeCount = 1000;
    Steps(1);
    EXPECT_EQ(window->timeCount, 1);
}

TEST_F(TitleDemoTest, TheDemoRobotsFightForReal) {
    window->loopRunning = true;
    window->EnterTitle();
    window->timeCount = 1;
    bool damaged = false;
    for (int step = 0; step < 398 && !damaged; ++step) {
        Steps(1);
        damaged = window->enemyFream->shield < 100 || window->thirdFream->shield < 100;
    }
    EXPECT_TRUE(damaged);
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(window->myFream->body->show, 0);
}
