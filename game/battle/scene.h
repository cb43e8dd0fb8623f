// The scene: the 120 placed instances every visible thing of a match is drawn through.
#pragma once

#include <array>

#include "geometry.h"
#include "trazel.h"

namespace battle {

constexpr int kSceneSize = 120;
constexpr int kCameraSlot = 0;
constexpr int kFirstObstacleSlot = 114;  // the stage's five obstacles take 114..118
constexpr int kObstacleCount = 5;
constexpr int kMarkerSlot = 119;  // the look-at marker at the origin, never drawn
// Trazel is given this many objects after the camera.
constexpr int32_t kDrawnObjects = kSceneSize - 1;
// A ground point closer than this to an obstacle standing on the ground is blocked.
constexpr float kObstacleReach = 50.0f;

using Scene = std::array<ObjectStruct, kSceneSize>;

// The scene as the game window sets it up: the camera aimed at the marker, every other slot free.
void InitialiseScene(Scene &scene);

// Claims the first free instance among slots 1..119 (marking it shown); null when none is left.
ObjectStruct *ClaimInstance(Scene &scene);

// The five obstacle instances, slots 114..118.
std::array<ObjectStruct *, kObstacleCount> ObstacleInstances(Scene &scene);

// True when p lies less than 50 units from an obstacle instance standing exactly on the ground.
bool IsBlocked(const std::array<ObjectStruct *, kObstacleCount> &obstacles, GroundPoint p);

}  // namespace battle
