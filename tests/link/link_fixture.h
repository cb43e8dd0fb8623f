// The link tests' fixture: an open engine whose leak report fails the test, the model library, and
// PCs with their scene, own robot and the robot that takes the other PC's.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "battle/fream.h"
#include "battle/scene.h"
#include "platform/sound_effects.h"

// One PC of a linked match.
struct LinkedPc {
    LinkedPc();
    LinkedPc(const LinkedPc &) = delete;
    LinkedPc &operator=(const LinkedPc &) = delete;

    platform::SilentSoundEffects sounds;
    battle::Scene scene;
    std::unique_ptr<battle::TFream> own, peer;
    int32_t level = 3, view = 12, result = 0;
};

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // The PCs go first; closing the engine then must find no tracked block still live.
    void TearDown() override;

    LinkedPc &AddPc();
    // Gives robot another record and body mesh, so a robot that took it over shows.
    static void MakeRival(battle::TFream &robot);

    std::vector<std::unique_ptr<LinkedPc>> pcs;
};
