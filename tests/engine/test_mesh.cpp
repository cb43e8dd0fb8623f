// Test meshes: cube and square builders and the hand-computed plane normals.
#include "test_mesh.h"

#include <cmath>

namespace {

Vector3 Minus(Vector3 a, Vector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3 UnitCross(Vector3 a, Vector3 b) {
    Vector3 n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    return {n.x / length, n.y / length, n.z / length};
}

}  // namespace

int32_t TestMesh::AddVertex(float x, float y, float z) {
    vertices_.push_back({x, y, z});
    return static_cast<int32_t>(vertices_.size() - 1);
}

int32_t TestMesh::AddMaterial(TzColor color, float highlight) {
    MaterialData material{};
    material.red = static_cast<uint8_t>(TZ_RED(color));
    material.green = static_cast<uint8_t>(TZ_GREEN(color));
    material.blue = static_cast<uint8_t>(TZ_BLUE(color));
    material.highlight = highlight;
    materials_.push_back(material);
    return static_cast<int32_t>(materials_.size() - 1);
}

void TestMesh::AddPlane(const std::vector<int32_t> &corners, int32_t material) {
    corners_.push_back(corners);
    PlaneData plane{};
    plane.material = material;
    plane.pntNum = static_cast<int32_t>(corners.size());
    Vector3 p0 = vertices_[corners[0]], p1 = vertices_[corners[1]], p2 = vertices_[corners[2]];
    plane.normal = UnitCross(Minus(p1, p0), Minus(p2, p1));
    planes_.push_back(plane);
}

ObjectData *TestMesh::Data() {
    float radius = 0;
    for (const Vector3 &v : vertices_)
        radius = std::max(radius, std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z));
    for (size_t i = 0; i < planes_.size(); ++i) {
        planes_[i].pnt = corners_[i].data();
        const MaterialData &material = materials_[planes_[i].material];
        planes_[i].color[0] = material.red;
        planes_[i].color[1] = material.green;
        planes_[i].color[2] = material.blue;
    }
    data_.pntNum = static_cast<int32_t>(vertices_.size());
    data_.pnt = vertices_.data();
    data_.plnNum = static_cast<int32_t>(planes_.size());
    data_.pln = planes_.data();
    data_.radius = radius;
    data_.materialNum = static_cast<int32_t>(materials_.size());
    data_.material = materials_.data();
    data_.shadingVector = nullptr;
    return &data_;
}

TestMesh TestMesh::Cube(float half, TzColor color) {
    TestMesh mesh;
    mesh.AddMaterial(color);
    for (int i = 0; i < 8; ++i) {
        mesh.AddVertex(i & 1 ? half : -half, i & 2 ? half : -half, i & 4 ? half : -half);
    }
    // Each face listed counter-clockwise seen from outside.
    mesh.AddPlane({0, 4, 6, 2});  // -x
    mesh.AddPlane({1, 3, 7, 5});  // +x
    mesh.AddPlane({0, 1, 5, 4});  // -y
    mesh.AddPlane({2, 6, 7, 3});  // +y
    mesh.AddPlane({0, 2, 3, 1});  // -z
    mesh.AddPlane({4, 5, 7, 6});  // +z
    return mesh;
}

TestMesh TestMesh::Square(float half, TzColor color) {
    TestMesh mesh;
    mesh.AddMaterial(color);
    mesh.AddVertex(0, -half, -half);
    mesh.AddVertex(0, -half, half);
    mesh.AddVertex(0, half, half);
    mesh.AddVertex(0, half, -half);
    mesh.AddPlane({0, 1, 2, 3});
    return mesh;
}

ObjectStruct Placed(ObjectData *data, float x, float y, float z) {
    ObjectStruct object{};
    object.show = 1;
    object.x = x;
    object.y = y;
    object.z = z;
    object.data = data;
    return object;
}
