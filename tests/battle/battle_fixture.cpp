// The battle fixture: engine, model library path and a scene with no obstacle on the ground.
#include "battle_fixture.h"

#include "battle/model_library.h"
#include "trazel.h"

void BattleTest::SetUp() {
    ASSERT_EQ(OpenTrazel(0), 1);
    battle::SetModelLibraryPath(MORVEX_DATA "/morvex.m3d");
    battle::InitialiseScene(scene);
    for (int k = 0; k < battle::kObstacleCount; ++k)
        scene[battle::kFirstObstacleSlot + k].z = -1.0f;
}

void BattleTest::TearDown() {
    CloseTrazel();
}

void BattleTest::PlaceObstacle(int k, float x, float y, float z) {
    ObjectStruct &obstacle = scene[battle::kFirstObstacleSlot + k];
    obstacle.x = x;
    obstacle.y = y;
    obstacle.z = z;
}
