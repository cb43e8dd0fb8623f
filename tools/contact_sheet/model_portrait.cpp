// Rendering one model for the contact sheet: a camera placed from the mesh's size.
#include "model_portrait.h"

#include <algorithm>
#include <cmath>

namespace {

struct Box {
    Vector3 lowest{1e30f, 1e30f, 1e30f}, highest{-1e30f, -1e30f, -1e30f};
};

Box BoundsOf(const ObjectData &mesh) {
    Box box;
    for (int32_t i = 0; i < mesh.pntNum; ++i) {
        const Vector3 &p = mesh.pnt[i];
        box.lowest = {std::min(box.lowest.x, p.x), std::min(box.lowest.y, p.y),
                      std::min(box.lowest.z, p.z)};
        box.highest = {std::max(box.highest.x, p.x), std::max(box.highest.y, p.y),
                       std::max(box.highest.z, p.z)};
    }
    return box;
}

// Models face -x, so the camera stands in front of them, a little to their right and above.
ObjectStruct FramingCamera(const ObjectData &mesh, float screenDistance, int32_t size) {
    Box box = BoundsOf(mesh);
    Vector3 centre{(box.lowest.x + box.highest.x) / 2, (box.lowest.y + box.highest.y) / 2,
                   (box.lowest.z + box.highest.z) / 2};
    float halfDiagonal =
        0.5f * std::sqrt((box.highest.x - box.lowest.x) * (box.highest.x - box.lowest.x) +
                         (box.highest.y - box.lowest.y) * (box.highest.y - box.lowest.y) +
                         (box.highest.z - box.lowest.z) * (box.highest.z - box.lowest.z));
    float distance = std::max(halfDiagonal * screenDistance / (0.42f * size), halfDiagonal + 40.0f);
    ObjectStruct camera{};
    camera.x = centre.x - distance * 0.82f;
    camera.y = centre.y - distance * 0.38f;
    camera.z = centre.z + distance * 0.43f;
    LookAt(&camera, centre);
    return camera;
}

}  // namespace

bool DrawPortrait(const std::string &path, const std::string &tag, int32_t width, int32_t height,
                  Portrait *portrait) {
    ObjectData mesh{};
    if (ReadObjectData(&mesh, path.c_str(), tag.c_str()) != 1) {
        FreeObjectData(&mesh);
        return false;
    }
    if (ResizeTrazel(nullptr, width, height) == nullptr) return false;
    SetScreenDistance(static_cast<float>(width));
    ObjectStruct scene[2] = {
        FramingCamera(mesh, static_cast<float>(width), std::min(width, height)), ObjectStruct{}};
    SetObjectStruct(&scene[1], 1, 1, 0, 0, 0, 0, 0, 0, &mesh);
    TzPatBlt(TZ_RGB(40, 48, 72));
    *portrait = Portrait{Trazel(1, scene), mesh.plnNum, mesh.radius};
    FreeObjectData(&mesh);
    return true;
}
