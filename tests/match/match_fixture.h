// Test fixture for the game window: fake hosts, the model library, and a TMainFrm built on them.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "fake_hosts.h"

class MatchTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Moves the fake clock and runs the game's tick once.
    void TickAfter(uint32_t milliseconds);
    // Runs count game steps, each due by 51 ms, so each is painted.
    void Steps(int count);
    // Starts a solo round as the Start command does from inside the running game loop.
    void StartRoundInLoop();
    // Runs steps until the state leaves from, at most limit of them; the steps taken.
    int StepsWhile(int32_t from, int limit);
    // Starts a round and runs its 60 ready steps and the first fighting step.
    void StartFight();
    // End the fight with the enemy's or the own shield broken; the steps it took (a knockback
    // may delay the end).
    int WinRound();
    int LoseRound();

    FakeHosts hosts;
    std::unique_ptr<match::TMainFrm> window;
};
