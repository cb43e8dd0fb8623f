// Test fixture for battle objects: an open engine, the model library, a scene whose obstacle
// slots are parked off the ground, and a sound player that remembers what it was asked to play.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/scene.h"
#include "platform/sound_effects.h"

class RecordingSoundEffects : public platform::SoundEffects {
  public:
    void Play(const std::string &fileName) override { played.push_back(fileName); }
    std::vector<std::string> played;
};

class BattleTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Stands obstacle k (slot 114 + k) on the ground at (x, y), or at height z.
    void PlaceObstacle(int k, float x, float y, float z = 0.0f);

    battle::Scene scene;
    RecordingSoundEffects sounds;
};
