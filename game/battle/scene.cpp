// Scene set-up, the instance claim rule and the obstacle test.
#include "scene.h"

namespace battle {

void InitialiseScene(Scene &scene) {
    for (ObjectStruct &slot : scene) {
        slot = ObjectStruct{};
        slot.shading = 1;
        slot.dirMode = 6;
    }
    ObjectStruct &camera = scene[kCameraSlot];
    camera = ObjectStruct{};
    camera.show = 1;
    camera.x = camera.y = -100;
    camera.z = 100;
    ObjectStruct &marker = scene[kMarkerSlot];
    marker = ObjectStruct{};
    marker.show = 1;
    LookAt(&camera, Vector3{marker.x, marker.y, marker.z});
}

ObjectStruct *ClaimInstance(Scene &scene) {
    for (int slot = 1; slot < kSceneSize; ++slot) {
        if (scene[slot].show == 0) {
            scene[slot].show = 1;
            return &scene[slot];
        }
    }
    return nullptr;
}

std::array<ObjectStruct *, kObstacleCount> ObstacleInstances(Scene &scene) {
    std::array<ObjectStruct *, kObstacleCount> obstacles;
    for (int k = 0; k < kObstacleCount; ++k) obstacles[k] = &scene[kFirstObstacleSlot + k];
    return obstacles;
}

bool IsBlocked(const std::array<ObjectStruct *, kObstacleCount> &obstacles, GroundPoint p) {
    for (const ObjectStruct *obstacle : obstacles) {
        if (obstacle->z == 0.0f &&
            Distance(p, GroundPoint{obstacle->x, obstacle->y}) < kObstacleReach) {
            return true;
        }
    }
    return false;
}

}  // namespace battle
