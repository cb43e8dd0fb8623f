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

    FakeHosts hosts;
    std::unique_ptr<match::TMainFrm> window;
};
