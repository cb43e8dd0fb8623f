// Loading and animating the stage's scenery.
#include "stage.h"

#include <cstdlib>

#include "model_library.h"
#include "random.h"
#include "stage_table.h"

namespace battle {
namespace {

ObjectStruct &SlotOfPlacement(Scene &scene, int k) {
    return scene[kFirstObstacleSlot + kObstacleCount - 1 - k];
}

// Stage 1: the small meteorites fall and drift, and start again from above at a random place.
void StepMeteorites(Scene &scene) {
    for (int slot = kFirstObstacleSlot; slot < kFirstObstacleSlot + kObstacleCount; ++slot) {
        scene[slot].angleZ += 10;
    }
    for (int slot : {116, 118}) {
        ObjectStruct &meteorite = scene[slot];
        meteorite.z -= 20;
        meteorite.x -= 30;
        meteorite.y -= 10;
        if (meteorite.z < -300) {
            meteorite.z = static_cast<float>(200 + 11 * (NextRandom() % 10));
            meteorite.x = static_cast<float>(NextRandom() % 1000 - 200);
            meteorite.y = static_cast<float>(NextRandom() % 800 - 200);
        }
    }
}

// Stage 3: the eruptions rise out of the mountains in steps of 50 and start again.
void StepEruptions(Scene &scene) {
    for (int slot : {114, 115}) {
        ObjectStruct &eruption = scene[slot];
        eruption.angleZ += 150;
        eruption.z = eruption.z >= 0 ? -150 : eruption.z + 50;
    }
}

void StepClouds(Scene &scene) {
    for (int slot = kFirstObstacleSlot; slot < kFirstObstacleSlot + kObstacleCount; ++slot) {
        ObjectStruct &cloud = scene[slot];
        cloud.y -= 5;
        if (cloud.y < -550) cloud.y = 550;
    }
}

// Stage 5: for a while in each cycle a pyramid jumps between two mirrored places every other tick.
void StepPyramid(ObjectStruct &pyramid, int32_t &counter, int32_t jumping, int32_t cycle) {
    if (std::abs(counter) < jumping && std::abs(counter) % 2 == 0) std::swap(pyramid.x, pyramid.y);
    if (--counter == -cycle) counter = cycle;
}

void StepWaves(Scene &scene, GroundPoint robot1, GroundPoint robot2) {
    const GroundPoint robots[2] = {robot1, robot2};
    for (int i = 0; i < 2; ++i) {
        ObjectStruct &wave = scene[114 + i];
        wave.x = robots[i].x;
        wave.y = robots[i].y;
        wave.angleZ = (wave.angleZ + 512) % 4095;
    }
}

}  // namespace

TSubFrm::TSubFrm() {
    for (ObjectData &mesh : sceneryMeshes_) LoadModel(mesh, "隕石");
}

TSubFrm::~TSubFrm() {
    for (ObjectData &mesh : sceneryMeshes_) FreeObjectData(&mesh);
}

void TSubFrm::LoadStage(int32_t stage, TzColor *background, Scene &scene) {
    const StageRecord &record = StageOf(stage);
    *background = record.background;
    LoadModel(sceneryMeshes_[0], record.tags[0]);
    if (record.tags[1] != nullptr) LoadModel(sceneryMeshes_[1], record.tags[1]);
    for (int k = 0; k < kObstacleCount; ++k) {
        stageCounters[k] = 0;
        const Placement &place = record.placements[k];
        ObjectStruct &slot = SlotOfPlacement(scene, k);
        if (place.z == kEmptyPlacementZ) {
            SetObjectStruct(&slot, 1, 0, 0, 0, kEmptyPlacementZ, 0, 0, 0, nullptr);
        } else {
            SetObjectStruct(&slot, 1, 0, place.x, place.y, place.z, place.angleZ, place.angleY,
                            place.angleX, &sceneryMeshes_[place.mesh]);
        }
    }
}

void TSubFrm::StepStage(Scene &scene, int32_t stage, GroundPoint robot1, GroundPoint robot2) {
    switch (stage) {
        case 1:
            StepMeteorites(scene);
            break;
        case 3:
            StepEruptions(scene);
            break;
        case 4:
            StepClouds(scene);
            break;
        case 5:
            StepPyramid(scene[118], stageCounters[0], 30, 100);
            StepPyramid(scene[117], stageCounters[1], 30, 100);
            StepPyramid(scene[116], stageCounters[2], 15, 60);
            break;
        case 6:
            StepWaves(scene, robot1, robot2);
            break;
        case 8:
            for (int slot = kFirstObstacleSlot; slot < kFirstObstacleSlot + kObstacleCount;
                 ++slot) {
                scene[slot].angleZ += 100;
            }
            break;
        default:
            break;  // still scenery
    }
}

}  // namespace battle
