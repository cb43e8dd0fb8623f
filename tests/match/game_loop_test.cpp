// The game loop and its fixed step: due times, catching up after a stall, painting only on time,
// and how the loop ends.
#include "match_fixture.h"

using match::kFight;
using match::kReady;

using GameLoopTest = MatchTest;

TEST_F(GameLoopTest, StepsOnlyWhenMoreThanFiftyMillisecondsHavePassed) {
    StartRoundInLoop();
    uint32_t base = window->tickBase;
    TickAfter(50);
    EXPECT_EQ(window->tickBase, base);
    EXPECT_EQ(window->timeCount, 1560);
    TickAfter(1);
    EXPECT_EQ(window->tickBase, base + 50);
    EXPECT_EQ(window->timeCount, 1559);
    EXPECT_EQ(window->tickLag, 51u);
}

TEST_F(GameLoopTest, CatchesUpAfterAStallOneStepPerPassWithoutPainting) {
    StartRoundInLoop();
    uint32_t base = window->tickBase;
    int paintsBefore = hosts.window.invalidations;
    hosts.window.now += 1000;
    int steps = 0;
    for (int pass = 0; pass < 100; ++pass) {
        int32_t before = window->timeCount;
        window->TickGame();
        if (window->timeCount != before) ++steps;
    }
    EXPECT_EQ(steps, 19);
    EXPECT_EQ(window->tickBase, base + 19 * 50);
    EXPECT_EQ(hosts.window.invalidations, paintsBefore);
    // 60 ms behind is still too late to paint; 59 ms is not.
    TickAfter(10);
    EXPECT_EQ(window->tickLag, 60u);
    EXPECT_EQ(hosts.window.invalidations, paintsBefore);
    TickAfter(49);
    EXPECT_EQ(window->tickLag, 59u);
    EXPECT_EQ(hosts.window.invalidations, paintsBefore + 1);
}

TEST_F(GameLoopTest, WrapsAroundTheClock) {
    StartRoundInLoop();
    window->tickBase = 0xFFFFFFF0u;
    hosts.window.now = 0x23;  // 51 ms later, across the wrap
    window->TickGame();
    EXPECT_EQ(window->tickBase, 0x22u);
    EXPECT_EQ(window->timeCount, 1559);
}

TEST_F(GameLoopTest, WaitsForEventsUntilTheNextStepIsDue) {
    hosts.window.passMilliseconds = 10;
    hosts.window.passesLeft = 8;
    window->StartRound();  // no loop runs yet, so the round starts one
    std::vector<uint32_t> expected{51, 41, 31, 21, 11, 1, 41, 31, 21};
    EXPECT_EQ(hosts.window.waits, expected);
    EXPECT_EQ(window->timeCount, 1559);
}

TEST_F(GameLoopTest, DoesNotWaitWhenAStepIsOverdue) {
    hosts.window.passMilliseconds = 200;
    hosts.window.passesLeft = 2;
    window->StartRound();
    std::vector<uint32_t> expected{51, 0, 0};
    EXPECT_EQ(hosts.window.waits, expected);
}

TEST_F(GameLoopTest, EndsWhenTheProgramQuitsAndAsksForTheTitle) {
    hosts.window.passesLeft = 3;
    window->StartRound();
    EXPECT_FALSE(window->loopRunning);
    EXPECT_EQ(window->gameState, match::kStopped);
    EXPECT_EQ(hosts.window.titlePosts, 1);
    EXPECT_EQ(hosts.window.waits.size(), 4u);
}

TEST_F(GameLoopTest, AnAcceptedCloseEndsTheLoopAndALinkedMatchFallsBackToVersusWanted) {
    hosts.window.passesLeft = 1000;
    int passes = 0;
    hosts.window.onPass = [&] {
        if (++passes == 5) {
            window->versusMode = match::kLinkedAnswering;
            EXPECT_TRUE(window->OnCloseQuery());
        }
    };
    window->StartRound();
    EXPECT_EQ(passes, 5);
    EXPECT_EQ(window->gameState, match::kStopped);
    EXPECT_EQ(window->versusMode, match::kVersusWanted);
}

TEST_F(GameLoopTest, ReadyLastsSixtyStepsThenTheFightBegins) {
    StartRoundInLoop();
    EXPECT_EQ(window->gameState, kReady);
    Steps(60);
    EXPECT_EQ(window->gameState, kReady);
    EXPECT_EQ(window->timeCount, 1500);
    Steps(1);
    EXPECT_EQ(window->gameState, kFight);
    EXPECT_EQ(window->timeCount, 1499);
}
