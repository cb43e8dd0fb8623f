// The stage: loading each stage's scenery and obstacles, and the animation of every stage.
#include <memory>

#include "battle/random.h"
#include "battle/stage.h"

#include "battle_fixture.h"

using namespace battle;

namespace {

class StageTest : public BattleTest {
  protected:
    // The stage frees its meshes before the engine closes.
    void TearDown() override {
        stageOwner.reset();
        BattleTest::TearDown();
    }
    void Load(int32_t number) { stage.LoadStage(number, &background, scene); }
    void Step(int32_t number, GroundPoint a = {0, 0}, GroundPoint b = {0, 0}) {
        stage.StepStage(scene, number, a, b);
    }
    std::unique_ptr<TSubFrm> stageOwner = std::make_unique<TSubFrm>();
    TSubFrm &stage = *stageOwner;
    TzColor background = 0;
};

TEST_F(StageTest, LoadingPlacesFiveInstancesAndGivesTheBackground) {
    Load(3);
    EXPECT_EQ(background, TZ_RGB(0, 128, 0));
    const ObjectStruct &mountain = scene[118];  // placement 0
    EXPECT_EQ(mountain.x, -100);
    EXPECT_EQ(mountain.y, 550);
    EXPECT_EQ(mountain.z, -200);
    EXPECT_EQ(mountain.angleZ, 2048);
    EXPECT_EQ(mountain.show, 1);
    EXPECT_EQ(mountain.shading, 0);
    EXPECT_NE(scene[115].data, mountain.data);  // placement 3 shows the second model
    EXPECT_EQ(scene[115].data, scene[114].data);
}

TEST_F(StageTest, EmptyPlacementIsParkedBelowTheGroundAndNeverBlocks) {
    Load(2);
    EXPECT_EQ(background, TZ_RGB(128, 0, 0));
    EXPECT_EQ(scene[114].z, -1.0f);
    EXPECT_EQ(scene[114].data, nullptr);
    EXPECT_EQ(scene[114].show, 1);
    EXPECT_FALSE(IsBlocked(ObstacleInstances(scene), {0, 0}));
    EXPECT_TRUE(IsBlocked(ObstacleInstances(scene), {257, 295}));
}

TEST_F(StageTest, EveryStageLoadsAndOthersAreRefused) {
    for (int32_t number = 1; number <= 9; ++number) EXPECT_NO_THROW(Load(number)) << number;
    EXPECT_THROW(Load(0), std::out_of_range);
    EXPECT_THROW(Load(10), std::out_of_range);
}

TEST_F(StageTest, SmallMeteoritesSinkFromTheFirstTickAndStartAgainFromAbove) {
    Load(1);
    EXPECT_TRUE(IsBlocked(ObstacleInstances(scene), {-42, 243}));  // lying on the ground
    Step(1);
    EXPECT_EQ(scene[118].z, -20);
    EXPECT_EQ(scene[118].x, -72);
    EXPECT_EQ(scene[118].y, 233);
    EXPECT_EQ(scene[117].angleZ, 3010);
    EXPECT_EQ(scene[117].z, 0);  // the big ones stay
    for (int tick = 1; tick < 15; ++tick) Step(1);
    EXPECT_EQ(scene[118].z, -300);
    SeedRandom(1);
    Step(1);  // below -300: starts again from random values, slot 116 first
    EXPECT_EQ(scene[116].z, 200 + 11 * (346 % 10));
    EXPECT_EQ(scene[116].x, 130 % 1000 - 200);
    EXPECT_EQ(scene[116].y, 10982 % 800 - 200);
    EXPECT_EQ(scene[118].z, 200 + 11 * (1090 % 10));
}

TEST_F(StageTest, MeteoriteStartingAtTwoHundredLandsTenTicksLater) {
    Load(1);
    ObjectStruct &meteorite = scene[116];
    meteorite.z = 200;
    for (int tick = 0; tick < 10; ++tick) Step(1);
    EXPECT_EQ(meteorite.z, 0.0f);
}

TEST_F(StageTest, EruptionsRiseInFourStepsAndBlockOneTickInFour) {
    Load(3);
    int blocking = 0;
    for (int tick = 0; tick < 40; ++tick) {
        Step(3);
        blocking += scene[114].z == 0.0f;
        EXPECT_LE(scene[114].z, 0);
    }
    EXPECT_EQ(blocking, 10);
    EXPECT_EQ(scene[114].angleZ, 40 * 150);
}

TEST_F(StageTest, CloudsDriftAndWrapAround) {
    Load(4);
    scene[114].y = -547;
    Step(4);
    EXPECT_EQ(scene[114].y, 550);
    EXPECT_EQ(scene[115].y, 0 - 5);
}

TEST_F(StageTest, PyramidsJumpBetweenMirroredPlacesForAWhileInEachCycle) {
    Load(5);
    Step(5);  // counter 0: swapped at once
    EXPECT_EQ(scene[118].x, 0);
    EXPECT_EQ(scene[118].y, 250);
    EXPECT_EQ(scene[116].x, 300);
    EXPECT_EQ(scene[116].y, -300);
    Step(5);  // counter -1: odd, no swap
    EXPECT_EQ(scene[118].y, 250);
    Step(5);  // counter -2
    EXPECT_EQ(scene[118].x, 250);
    for (int tick = 3; tick < 100; ++tick) Step(5);
    EXPECT_EQ(stage.stageCounters[0], 100);  // wrapped at -100
    EXPECT_EQ(stage.stageCounters[2], 20);   // wrapped at -60 to 60 after 60 ticks
}

TEST_F(StageTest, WavesFollowTheRobotsAndTurn) {
    Load(6);
    Step(6, {10, 20}, {-30, 40});
    EXPECT_EQ(scene[114].x, 10);
    EXPECT_EQ(scene[115].y, 40);
    EXPECT_EQ(scene[114].angleZ, 512);
    for (int tick = 1; tick < 8; ++tick) Step(6);
    EXPECT_EQ(scene[114].angleZ, (512 * 8) % 4095);
}

TEST_F(StageTest, ChipsSpinAndStillStagesStayStill) {
    Load(8);
    Step(8);
    EXPECT_EQ(scene[116].angleZ, 100);
    Load(7);
    ObjectStruct before = scene[116];
    Step(7);
    EXPECT_EQ(scene[116].angleZ, before.angleZ);
    EXPECT_EQ(scene[116].z, before.z);
}

}  // namespace
