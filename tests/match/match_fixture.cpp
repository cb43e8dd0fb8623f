// The game-window fixture: a window on fake hosts, its client 640 x 480, the engine's warnings
// recorded as failures.
#include "match_fixture.h"

#include "battle/model_library.h"
#include "battle/random.h"

namespace {

void FailOnEngineMessage(void *, const char *caption, const char *text, int32_t) {
    ADD_FAILURE() << caption << ": " << text;
}

}  // namespace

void MatchTest::SetUp() {
    battle::SetModelLibraryPath(MORVEX_DATA "/morvex.m3d");
    battle::SeedRandom(1);
    TzSetMessageProc(FailOnEngineMessage);
    window = std::make_unique<match::TMainFrm>(hosts.Hosts());
    ASSERT_TRUE(window->EngineOpen());
    window->OnSize(640, 480);
    window->OnWindowCreated();
}

void MatchTest::TearDown() {
    window.reset();
    TzSetMessageProc(nullptr);
}

void MatchTest::TickAfter(uint32_t milliseconds) {
    hosts.window.now += milliseconds;
    window->TickGame();
}

void MatchTest::Steps(int count) {
    for (int i = 0; i < count; ++i) {
        hosts.window.now = window->tickBase + 51;  // due, and not late enough to skip painting
        window->TickGame();
    }
}

void MatchTest::StartRoundInLoop() {
    window->loopRunning = true;
    window->StartRound();
}

int MatchTest::StepsWhile(int32_t from, int limit) {
    int steps = 0;
    while (window->gameState == from && steps < limit) {
        Steps(1);
        ++steps;
    }
    return steps;
}

void MatchTest::StartFight() {
    StartRoundInLoop();
    Steps(61);
    ASSERT_EQ(window->gameState, match::kFight);
}

int MatchTest::WinRound() {
    window->enemyFream->shield = -1;
    return StepsWhile(match::kFight, 40);
}

int MatchTest::LoseRound() {
    window->myFream->shield = -1;
    return StepsWhile(match::kFight, 40);
}
