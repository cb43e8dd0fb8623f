// Meshes built in memory for tests, with normals, radius and colours filled in by the test itself.
#pragma once

#include <vector>

#include "trazel.h"

class TestMesh {
  public:
    int32_t AddVertex(float x, float y, float z);
    int32_t AddMaterial(TzColor color, float highlight = 0.0f);
    // Corners in drawing order: counter-clockwise seen from the front.
    void AddPlane(const std::vector<int32_t> &corners, int32_t material = 0);
    // The record, with pointers into this object (valid while it lives and is not changed).
    ObjectData *Data();

    // An axis-aligned cube centred on the origin with outward faces, all in one colour.
    static TestMesh Cube(float half, TzColor color);
    // A square in the plane x = 0 facing -x (towards a camera on the -x side), side 2 * half.
    static TestMesh Square(float half, TzColor color);

  private:
    std::vector<Vector3> vertices_;
    std::vector<MaterialData> materials_;
    std::vector<std::vector<int32_t>> corners_;
    std::vector<PlaneData> planes_;
    ObjectData data_{};
};

// An object record placed at (x, y, z) with zero angles, shown, in dirMode 0.
ObjectStruct Placed(ObjectData *data, float x, float y, float z);
