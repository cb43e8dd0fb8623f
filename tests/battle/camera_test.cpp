// The camera director: every camera mode's placement and aim in the cases that matter.
#include <memory>

#include "battle/random.h"
#include "battle/stage.h"

#include "battle_fixture.h"

using namespace battle;

namespace {

class CameraTest : public BattleTest {
  protected:
    // The stage loads and frees meshes: it lives while the engine is open.
    void SetUp() override {
        BattleTest::SetUp();
        stage = std::make_unique<TSubFrm>();
    }
    void TearDown() override {
        stage.reset();
        BattleTest::TearDown();
    }
    void Direct(int32_t mode, Vector3 a, Vector3 b, int32_t n) {
        stage->DirectCamera(camera, mode, a, b, n);
    }
    // The camera's aim as LookAt would give it for target.
    ObjectStruct AimedAt(Vector3 target) const {
        ObjectStruct aimed = camera;
        LookAt(&aimed, target);
        return aimed;
    }
    void ExpectLookingAt(Vector3 target) const {
        ObjectStruct aimed = AimedAt(target);
        EXPECT_EQ(camera.angleZ, aimed.angleZ);
        EXPECT_EQ(camera.angleY, aimed.angleY);
    }
    std::unique_ptr<TSubFrm> stage;
    ObjectStruct camera{};
};

constexpr Vector3 kA{100, 0, 0}, kB{-200, 300, 0};

TEST_F(CameraTest, ReplayStartsBesideTheWinnerAndEndsBesideTheLoser) {
    Direct(kReplayCamera, kA, kB, 100);
    EXPECT_NEAR(camera.x, 150, 0.001);
    EXPECT_NEAR(camera.y, 50, 0.001);
    EXPECT_EQ(camera.z, 50);
    ExpectLookingAt(kA);
    Direct(kReplayCamera, kA, kB, 40);
    EXPECT_NEAR(camera.x, -150, 1.0);  // headings are whole 1/4096 turns
    EXPECT_NEAR(camera.y, 350, 1.0);
    ExpectLookingAt(kB);
}

TEST_F(CameraTest, FlyInEndsAtTheCornerOfTheViewLookingAtBAndBecomesTheFixedView) {
    stage->viewMode = kTopView;
    Direct(kFlyInCamera, kA, kB, 0);
    EXPECT_EQ(camera.z, 50);
    Direct(kFlyInCamera, kA, kB, 60);
    EXPECT_EQ(camera.x, -433);
    EXPECT_EQ(camera.y, -433);
    EXPECT_EQ(camera.z, 590);
    ExpectLookingAt(kB);
    EXPECT_EQ(stage->presetCamera.z, 590);
    stage->viewMode = kMiddleView;
    Direct(kFlyInCamera, kA, kB, 60);
    EXPECT_EQ(camera.x, -333);
    EXPECT_EQ(camera.z, 410);
    camera = ObjectStruct{};
    Direct(kFixedCamera, kA, kB, 0);
    EXPECT_EQ(camera.x, -333);
    ExpectLookingAt(kA);
}

TEST_F(CameraTest, SideViewFlyInEndsTwiceAsFarOutAsThePlayer) {
    stage->viewMode = kSideView;
    Direct(kFlyInCamera, kA, kB, 60);
    EXPECT_NEAR(camera.x, 200, 0.01);
    EXPECT_NEAR(camera.y, 0, 0.01);
    EXPECT_EQ(camera.z, 110);
}

TEST_F(CameraTest, SpecialAttackFliesInCirclesAndHolds) {
    stage->viewMode = kMiddleView;
    Direct(kFlyInCamera, kA, kB, 60);
    Direct(kSpecialCamera, kA, kB, 39);  // starts at the fixed view
    EXPECT_EQ(camera.x, -333);
    EXPECT_EQ(camera.z, 156);
    Direct(kSpecialCamera, kA, kB, 31);
    GroundPoint near{camera.x, camera.y};
    Direct(kSpecialCamera, kA, kB, 30);  // circling begins on the line back to the fly point
    GroundPoint circling{camera.x, camera.y};
    EXPECT_NEAR(Distance(circling, {kA.x, kA.y}), 0.6923077f * Distance(near, {kA.x, kA.y}), 0.5);
    Direct(kSpecialCamera, kA, kB, 19);
    GroundPoint last{camera.x, camera.y};
    Direct(kSpecialCamera, kA, kB, 10);  // firing: the camera holds its place
    EXPECT_EQ(camera.x, last.x);
    EXPECT_EQ(camera.y, last.y);
    EXPECT_EQ(camera.z, 40);
    ExpectLookingAt(kA);
}

TEST_F(CameraTest, RoboTurboWatchesFromBeyondTheOpponentWhenClose) {
    Direct(kRoboTurboCamera, Vector3{0, 0, 0}, Vector3{100, 0, 0}, 10);
    EXPECT_NEAR(camera.x, 350, 0.01);
    EXPECT_EQ(camera.z, 60);
    Direct(kRoboTurboCamera, Vector3{0, 0, 0}, Vector3{300, 0, 0}, 10);
    EXPECT_NEAR(camera.x, -250, 0.01);  // far: behind the attacker
    ExpectLookingAt(Vector3{300, 0, 0});
}

TEST_F(CameraTest, FireTurboChoosesItsPlaceOnceAndKeepsIt) {
    Direct(kFireTurboCamera, Vector3{0, 0, 0}, Vector3{100, 0, 0}, 49);
    GroundPoint place{camera.x, camera.y};
    EXPECT_NEAR(Distance(place, {0, 0}), 80, 0.01);
    Direct(kFireTurboCamera, Vector3{50, 0, 0}, Vector3{100, 0, 0}, 30);
    EXPECT_EQ(camera.x, place.x);
    EXPECT_EQ(camera.z, 20);
    ExpectLookingAt(Vector3{50, 0, 0});
}

TEST_F(CameraTest, ChaseCreepsTowardsTheOpponentFromBehindThePlayer) {
    stage->cameraPoint = {0, 0};
    Direct(kChaseCamera, Vector3{-100, 0, 0}, Vector3{200, 0, 0}, 0);
    EXPECT_NEAR(stage->cameraPoint.x, 10, 0.001);
    EXPECT_NEAR(camera.x, 10 - 2 * 110 - 20, 0.01);
    EXPECT_NEAR(camera.z, 55, 0.001);
}

TEST_F(CameraTest, DemoShotsDrawRandomNumbersOnlyWhenANewShotMayStart) {
    SeedRandom(1);
    Direct(kDemoCamera, kA, kB, 0);  // draws angle 346, height 130, kind 10982 % 500 = 482
    EXPECT_EQ(camera.z, 130 + 50);
    for (int n = 1; n <= 30; ++n) Direct(kDemoCamera, kA, kB, n);
    EXPECT_EQ(NextRandom(), 1090);  // thirty calls drew nothing
    SeedRandom(1);
    Direct(kDemoCamera, kA, kB, 0);
    for (int n = 1; n <= 31; ++n) Direct(kDemoCamera, kA, kB, n);
    EXPECT_EQ(NextRandom(), 11656);  // the 31st call after the shot drew one
}

}  // namespace
