// The demo's meshes and the scene they are placed in.
#include "demo_scene.h"

#include <fstream>
#include <utility>

namespace {

struct NamedMesh {
    const char *tag;
    ObjectData *data;
};

std::array<NamedMesh, 4> Named(DemoMeshes &meshes) {
    return {{{"Robot", &meshes.robot},
             {"Pyramid", &meshes.pyramid},
             {"Ball", &meshes.ball},
             {"Ground", &meshes.ground}}};
}

ObjectStruct Placed(ObjectData *data, int32_t shading, float x, float y, float z, int32_t angleZ) {
    ObjectStruct object{};
    SetObjectStruct(&object, 1, shading, x, y, z, angleZ, 0, 0, data);
    return object;
}

}  // namespace

bool ReadDemoMeshes(const std::string &path, DemoMeshes &meshes, std::string &problem) {
    if (!std::ifstream(path)) {
        problem = "cannot open the model file '" + path + "'";
        return false;
    }
    for (NamedMesh mesh : Named(meshes)) {
        if (ReadObjectData(mesh.data, path.c_str(), mesh.tag) != 1) {
            problem = std::string("cannot read the mesh '") + mesh.tag + "' from '" + path + "'";
            FreeDemoMeshes(meshes);
            return false;
        }
    }
    return true;
}

void FreeDemoMeshes(DemoMeshes &meshes) {
    for (NamedMesh mesh : Named(meshes)) {
        FreeObjectData(mesh.data);
        *mesh.data = ObjectData{};
    }
}

DemoScene PlaceDemoScene(DemoMeshes &meshes) {
    ObjectStruct camera{};
    SetObjectStruct(&camera, 1, 0, -120, -75, 65, 0, 0, 0, nullptr);
    LookAt(&camera, Vector3{0, 5, 16});

    ObjectStruct ball = Placed(&meshes.ball, 0, 15, -48, 26, 0);
    ball.dirMode = 7;
    ball.dir = Vector3{1, 1, 1};
    ball.twist = 300;

    ObjectStruct ground = Placed(&meshes.ground, 0, 0, 0, 0, 0);
    // Turned round to face the camera, which stands behind it and to its right.
    ObjectStruct robot = Placed(&meshes.robot, 1, 0, 0, 0, 2300);
    ObjectStruct pyramid = Placed(&meshes.pyramid, 0, 35, 50, 0, 200);
    return {camera, ground, robot, pyramid, ball};
}

void SetDemoView() {
    const Vector3 light{1.0f, 0.6f, -1.4f};
    SetLight(&light, 0.35f);
    SetScreenDistance(520);
}
