// The scene: its initial slots, the claim rule and the obstacle test.
#include "battle_fixture.h"

using namespace battle;

namespace {

class SceneTest : public BattleTest {};

TEST_F(SceneTest, InitialSceneHasItsCameraAimedAtTheMarkerAndFreeSlots) {
    InitialiseScene(scene);
    EXPECT_EQ(scene[kCameraSlot].show, 1);
    EXPECT_EQ(scene[kCameraSlot].z, 100);
    EXPECT_EQ(scene[kCameraSlot].angleZ, 512);  // from (-100, -100) towards the origin
    EXPECT_LT(scene[kCameraSlot].angleY, 0);    // looking down
    EXPECT_EQ(scene[kMarkerSlot].show, 1);
    for (int slot = 1; slot < kMarkerSlot; ++slot) {
        EXPECT_EQ(scene[slot].show, 0);
        EXPECT_EQ(scene[slot].dirMode, 6);
        EXPECT_EQ(scene[slot].data, nullptr);
    }
}

TEST_F(SceneTest, ClaimsTakeFreeSlotsInOrderUntilNoneIsLeft) {
    InitialiseScene(scene);
    scene[2].show = 1;
    EXPECT_EQ(ClaimInstance(scene), &scene[1]);
    EXPECT_EQ(ClaimInstance(scene), &scene[3]);
    scene[1].show = 0;  // hiding an instance hands it back
    EXPECT_EQ(ClaimInstance(scene), &scene[1]);
    while (ClaimInstance(scene) != nullptr) {
    }
    for (int slot = 1; slot < kSceneSize; ++slot) EXPECT_EQ(scene[slot].show, 1);
    EXPECT_EQ(ClaimInstance(scene), nullptr);
}

TEST_F(SceneTest, OnlyObstaclesStandingExactlyOnTheGroundBlock) {
    auto obstacles = ObstacleInstances(scene);
    PlaceObstacle(2, 100, 100, 0.0f);
    EXPECT_TRUE(IsBlocked(obstacles, {100, 149.9f}));
    EXPECT_FALSE(IsBlocked(obstacles, {100, 150}));  // exactly 50 units away is free
    PlaceObstacle(2, 100, 100, 0.001f);
    EXPECT_FALSE(IsBlocked(obstacles, {100, 100}));
    PlaceObstacle(2, 100, 100, -1.0f);
    EXPECT_FALSE(IsBlocked(obstacles, {100, 100}));
}

}  // namespace
