// Load-time shading of a mesh: bounding radius, plane normals, flat colours and vertex normals.
#include <cstring>

#include "angles.h"
#include "lighting.h"
#include "messages.h"
#include "objfile.h"

namespace trazel {
namespace {

constexpr float kShortestAverage = 0.001f;

// What keeps the engine from walking a mesh safely; meshes built by clients are checked too.
enum class MeshFault { None, NoPoints, NoPlanes, NoMaterials, PointCount, PlaneCount, BadPlane };

struct MeshCheck {
    MeshFault fault;
    int32_t plane;  // the offending plane of BadPlane
};

bool IsWalkablePlane(const PlaneData &plane, const ObjectData &data) {
    if (plane.pnt == nullptr || plane.pntNum < kMinPlaneCorners ||
        plane.pntNum > kMaxPlaneCorners) {
        return false;
    }
    if (plane.material < 0 || plane.material >= data.materialNum) return false;
    for (int32_t corner = 0; corner < plane.pntNum; ++corner) {
        if (plane.pnt[corner] < 0 || plane.pnt[corner] >= data.pntNum) return false;
    }
    return true;
}

MeshCheck CheckMesh(const ObjectData &data) {
    if (data.pnt == nullptr) return {MeshFault::NoPoints, 0};
    if (data.pln == nullptr) return {MeshFault::NoPlanes, 0};
    if (data.material == nullptr) return {MeshFault::NoMaterials, 0};
    if (data.pntNum < 0 || data.pntNum > TZ_MAX_VERTICES) return {MeshFault::PointCount, 0};
    if (data.plnNum < 0 || data.plnNum > TZ_MAX_PLANES) return {MeshFault::PlaneCount, 0};
    for (int32_t j = 0; j < data.plnNum; ++j) {
        if (!IsWalkablePlane(data.pln[j], data)) return {MeshFault::BadPlane, j};
    }
    return {MeshFault::None, 0};
}

void ReportMeshFault(const MeshCheck &check, const ObjectData &data) {
    const MessageGate gate = MessageGate::WhenMessagesOn;
    switch (check.fault) {
        case MeshFault::None:
            return;
        case MeshFault::NoPoints:
            ShowMessage(
                gate, nullptr,
                "SetObjectDataColor()の呼び出しで、\npntメンバのメモリが確保されていません。");
            return;
        case MeshFault::NoPlanes:
            ShowMessage(
                gate, nullptr,
                "SetObjectDataColor()の呼び出しで、\nplnメンバのメモリが確保されていません。");
            return;
        case MeshFault::NoMaterials:
            ShowMessage(
                gate, nullptr,
                "SetObjectDataColor()の呼び出しで、\nmaterialメンバのメモリが確保されていません。");
            return;
        case MeshFault::PointCount:
            ShowMessageFormat(gate, nullptr,
                              "SetObjectDataColor()の呼び出しで、\n頂点数%dは範囲外です。",
                              data.pntNum);
            return;
        case MeshFault::PlaneCount:
            ShowMessageFormat(gate, nullptr,
                              "SetObjectDataColor()の呼び出しで、\n面数%dは範囲外です。",
                              data.plnNum);
            return;
        case MeshFault::BadPlane:
            ShowMessageFormat(gate, nullptr, "面No.%dのデータが不正です。", check.plane);
            return;
    }
}

Vector3 Cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Divide(Vector3 v, float divisor) {
    return {v.x / divisor, v.y / divisor, v.z / divisor};
}

// The unit normal of the first three corners; false when two of them coincide or all three lie
// on one line.
bool NormalOfFirstCorners(const ObjectData &data, const PlaneData &plane, Vector3 *normal) {
    Vector3 first = data.pnt[plane.pnt[0]];
    Vector3 second = data.pnt[plane.pnt[1]];
    Vector3 third = data.pnt[plane.pnt[2]];
    Vector3 along = Subtract(second, first);
    Vector3 onwards = Subtract(third, second);
    float alongLength = Length(along);
    float onwardsLength = Length(onwards);
    if (alongLength == 0.0f || onwardsLength == 0.0f) return false;
    Vector3 cross = Cross(Divide(along, alongLength), Divide(onwards, onwardsLength));
    float crossLength = Length(cross);
    if (crossLength == 0.0f) return false;
    *normal = Divide(cross, crossLength);
    return true;
}

void RotateCornersLeft(PlaneData &plane) {
    int32_t first = plane.pnt[0];
    std::memmove(plane.pnt, plane.pnt + 1, sizeof(int32_t) * static_cast<size_t>(plane.pntNum - 1));
    plane.pnt[plane.pntNum - 1] = first;
}

// Tries each corner as the first in turn. The corner order that gave the normal stays, so the
// normal always belongs to the first three corners the pipeline sees.
bool FindPlaneNormal(const ObjectData &data, PlaneData &plane) {
    for (int32_t attempt = 0; attempt < plane.pntNum; ++attempt) {
        if (NormalOfFirstCorners(data, plane, &plane.normal)) return true;
        RotateCornersLeft(plane);
    }
    return false;
}

void ColorPlane(PlaneData &plane, const MaterialData &material, const Lighting &lighting) {
    TzColor color = ShadeColor(material, Intensity(lighting, plane.normal, material.highlight));
    plane.color[0] = static_cast<uint8_t>(TZ_RED(color));
    plane.color[1] = static_cast<uint8_t>(TZ_GREEN(color));
    plane.color[2] = static_cast<uint8_t>(TZ_BLUE(color));
}

bool AppearsEarlier(const PlaneData &plane, int32_t corner) {
    for (int32_t earlier = 0; earlier < corner; ++earlier) {
        if (plane.pnt[earlier] == plane.pnt[corner]) return true;
    }
    return false;
}

// Per vertex: the sum of the normals of the planes that use it, how many, and the last of them.
struct VertexNormalSums {
    Vector3 *sums;
    int32_t *planeCounts;
    int32_t *lastPlanes;
};

void AddPlaneNormals(const ObjectData &data, const VertexNormalSums &vertices) {
    for (int32_t j = 0; j < data.plnNum; ++j) {
        const PlaneData &plane = data.pln[j];
        for (int32_t corner = 0; corner < plane.pntNum; ++corner) {
            if (AppearsEarlier(plane, corner)) continue;  // a plane counts once per vertex
            int32_t vertex = plane.pnt[corner];
            vertices.sums[vertex] = Add(vertices.sums[vertex], plane.normal);
            ++vertices.planeCounts[vertex];
            vertices.lastPlanes[vertex] = j;
        }
    }
}

// Turns a vertex's sum into its unit normal. Normals that cancel out leave no direction to
// average, so the last plane's normal stands in.
Vector3 VertexNormal(const ObjectData &data, const VertexNormalSums &vertices, int32_t vertex) {
    int32_t count = vertices.planeCounts[vertex];
    if (count == 0) return {0.0f, 0.0f, 1.0f};
    Vector3 average = Divide(vertices.sums[vertex], static_cast<float>(count));
    float length = Length(average);
    if (length >= kShortestAverage) return Divide(average, length);
    return data.pln[vertices.lastPlanes[vertex]].normal;
}

}  // namespace
}  // namespace trazel

using namespace trazel;

extern "C" int32_t SetObjectDataColor(ObjectData *data) {
    if (data == nullptr) return 0;
    MeshCheck check = CheckMesh(*data);
    if (check.fault != MeshFault::None) {
        ReportMeshFault(check, *data);
        return 0;
    }
    data->radius = LargestVertexLength(data->pnt, data->pntNum);
    Lighting lighting = LoadTimeLighting();
    for (int32_t j = 0; j < data->plnNum; ++j) {
        PlaneData &plane = data->pln[j];
        if (!FindPlaneNormal(*data, plane)) {
            ShowMessageFormat(MessageGate::WhenMessagesExactlyOne, nullptr,
                              "面No.%dは、法線が求められません。", j);
            return 0;
        }
        ColorPlane(plane, data->material[plane.material], lighting);
    }
    return 1;
}

extern "C" int32_t SetObjectDataShadingVector(ObjectData *data) {
    if (data == nullptr || CheckMesh(*data).fault != MeshFault::None) return 0;
    TzFree(data->shadingVector);
    data->shadingVector = nullptr;
    int32_t count = data->pntNum;
    auto *normals = static_cast<Vector3 *>(TzAlloc(static_cast<int32_t>(sizeof(Vector3)) * count));
    auto *scratch =
        static_cast<int32_t *>(TzAlloc(static_cast<int32_t>(sizeof(int32_t)) * 2 * count));
    if (normals == nullptr || scratch == nullptr) {
        TzFree(normals);
        TzFree(scratch);
        return 0;
    }
    VertexNormalSums vertices{normals, scratch, scratch + count};
    std::memset(normals, 0, sizeof(Vector3) * static_cast<size_t>(count));
    std::memset(scratch, 0, sizeof(int32_t) * 2 * static_cast<size_t>(count));
    AddPlaneNormals(*data, vertices);
    for (int32_t vertex = 0; vertex < count; ++vertex) {
        normals[vertex] = VertexNormal(*data, vertices, vertex);
    }
    TzFree(scratch);
    data->shadingVector = normals;
    return 1;
}
