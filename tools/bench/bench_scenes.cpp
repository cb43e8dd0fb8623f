// The benchmark's scenes: where each mesh stands and where the camera looks from.
#include "bench_scenes.h"

#include <cmath>

namespace {

ObjectStruct Placed(ObjectData *data, float x, float y, float z, int32_t angleZ) {
    ObjectStruct object{};
    SetObjectStruct(&object, 1, 0, x, y, z, angleZ, 0, 0, data);
    return object;
}

ObjectStruct CameraAt(Vector3 position, Vector3 target) {
    ObjectStruct camera{};
    SetObjectStruct(&camera, 1, 0, position.x, position.y, position.z, 0, 0, 0, nullptr);
    LookAt(&camera, target);
    return camera;
}

void AddMissiles(BenchScene &scene, ObjectData *missile) {
    // Twelve missiles in flight between the robots, heading every which way.
    for (int i = 0; i < 12; ++i) {
        float angle = 0.52f * i;
        float reach = 60.0f + 15.0f * i;
        scene.objects.push_back(Placed(missile, reach * std::cos(angle), reach * std::sin(angle),
                                       15.0f + 2.0f * (i % 5), 340 * i));
    }
}

}  // namespace

BenchScene StressScene(LoadedMeshes &meshes) {
    BenchScene scene{"stress", {CameraAt({0, 0, kStressCameraHeight}, {0, 0, 0})}};
    for (const StressPiece &piece : StressPieces()) {
        scene.objects.push_back(Placed(meshes.Find(piece.tag), piece.position.x, piece.position.y,
                                       piece.position.z, 0));
    }
    return scene;
}

BenchScene ArenaScene(LoadedMeshes &meshes) {
    // About 500 units from the arena's middle, looking down at some 35 degrees.
    BenchScene scene{"arena", {CameraAt({-410, -60, 290}, {0, 0, 0})}};
    scene.objects.push_back(Placed(meshes.Find("Arena"), 0, 0, 0, 0));
    scene.objects.push_back(Placed(meshes.Find("Tower"), 220, 180, 0, 300));
    scene.objects.push_back(Placed(meshes.Find("Boulder"), -150, 240, 0, 900));
    scene.objects.push_back(Placed(meshes.Find("Pillar"), 60, -230, 0, 0));
    scene.objects.push_back(Placed(meshes.Find("Tower"), 330, -120, 0, 1500));
    scene.objects.push_back(Placed(meshes.Find("Boulder"), -60, -20, 0, 2500));
    scene.objects.push_back(Placed(meshes.Find("Robot1"), -120, 80, 0, 200));
    scene.objects.push_back(Placed(meshes.Find("Robot2"), 140, 40, 0, 2300));
    scene.objects.push_back(Placed(meshes.Find("Robot3"), 40, -110, 0, 1000));
    AddMissiles(scene, meshes.Find("Missile"));
    return scene;
}

int32_t DrawFrame(BenchScene &scene) {
    TzPatBlt(TZ_RGB(40, 60, 110));
    return Trazel(scene.ObjectCount(), scene.objects.data());
}
