// Meshes to and from the line: the blocks as bytes, and the other PC's blocks checked as they
// arrive, into a scratch mesh that replaces the peer's only when whole.
#include "wire_mesh.h"

#include <cmath>
#include <iterator>
#include <utility>

#include "battle/little_endian.h"
#include "battle/mesh_block.h"

namespace versus {
namespace {

constexpr int32_t kFewestCorners = 3, kMostCorners = 8;
constexpr size_t kRecordBlock = 0, kCornerBlock = kMeshBlocks - 1;
// A mesh whose shading vectors were never computed sends upright ones, as a frame file keeps it.
constexpr Vector3 kUpright{0, 0, 1};

class WireWriter : public battle::LittleEndianWriter<WireWriter> {
  public:
    void Byte(uint8_t value) { bytes_.push_back(value); }
    Bytes Take() { return std::move(bytes_); }

  private:
    Bytes bytes_;
};

// Reads the fields of a block that arrived whole; the counts that sized the block bound the reads.
class WireReader : public battle::LittleEndianReader<WireReader> {
  public:
    explicit WireReader(const Bytes &bytes) : bytes_(bytes) {}
    uint8_t Byte() { return bytes_[at_++]; }

  private:
    const Bytes &bytes_;
    size_t at_ = 0;
};

Bytes RecordBlock(const ObjectData &mesh) {
    WireWriter out;
    out.Int(mesh.pntNum);
    out.Int(0);
    out.Int(mesh.plnNum);
    out.Int(0);
    out.Float(mesh.radius);
    out.Int(mesh.materialNum);
    out.Int(0);
    out.Int(0);
    return out.Take();
}

Bytes VectorBlock(const Vector3 *vectors, int32_t count) {
    WireWriter out;
    for (int32_t i = 0; i < count; ++i) out.Vector(vectors != nullptr ? vectors[i] : kUpright);
    return out.Take();
}

Bytes PlaneBlock(const ObjectData &mesh) {
    WireWriter out;
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        const PlaneData &plane = mesh.pln[i];
        out.Int(plane.material);
        for (uint8_t channel : plane.color) out.Byte(channel);
        out.Byte(0);
        out.Int(plane.pntNum);
        out.Int(0);
        out.Vector(plane.normal);
    }
    return out.Take();
}

Bytes MaterialBlock(const ObjectData &mesh) {
    WireWriter out;
    for (int32_t i = 0; i < mesh.materialNum; ++i) {
        const MaterialData &material = mesh.material[i];
        out.Byte(material.red);
        out.Byte(material.green);
        out.Byte(material.blue);
        out.Byte(0);
        out.Float(material.highlight);
    }
    return out.Take();
}

Bytes CornerBlock(const ObjectData &mesh) {
    WireWriter out;
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        for (int32_t c = 0; c < mesh.pln[i].pntNum; ++c) out.Int(mesh.pln[i].pnt[c]);
    }
    return out.Take();
}

bool InRange(int32_t value, int32_t lowest, int32_t highest) {
    return value >= lowest && value <= highest;
}

bool IsFinite(const Vector3 &v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The other's counts and radius, and room for its arrays.
bool TakeRecord(const Bytes &block, ObjectData &mesh) {
    WireReader in(block);
    int32_t points = in.Int();
    in.Int();
    int32_t planes = in.Int();
    in.Int();
    float radius = in.Float();
    int32_t materials = in.Int();
    if (!InRange(points, 1, TZ_MAX_VERTICES) || !InRange(planes, 0, TZ_MAX_PLANES) ||
        !InRange(materials, 1, TZ_MAX_MATERIALS) || !std::isfinite(radius))
        return false;
    mesh.pntNum = points;
    mesh.plnNum = planes;
    mesh.materialNum = materials;
    mesh.radius = radius;
    mesh.shadingVector = battle::AllocateZeroed<Vector3>(points);
    mesh.pnt = battle::AllocateZeroed<Vector3>(points);
    mesh.pln = battle::AllocateZeroed<PlaneData>(planes);
    mesh.material = battle::AllocateZeroed<MaterialData>(materials);
    return mesh.shadingVector != nullptr && mesh.pnt != nullptr && mesh.pln != nullptr &&
           mesh.material != nullptr;
}

bool TakeVectors(const Bytes &block, Vector3 *vectors, int32_t count) {
    WireReader in(block);
    for (int32_t i = 0; i < count; ++i) {
        vectors[i] = in.Vector();
        if (!IsFinite(vectors[i])) return false;
    }
    return true;
}

bool TakeShadingVectors(const Bytes &block, ObjectData &mesh) {
    return TakeVectors(block, mesh.shadingVector, mesh.pntNum);
}

bool TakePoints(const Bytes &block, ObjectData &mesh) {
    return TakeVectors(block, mesh.pnt, mesh.pntNum);
}

// The corners come later, each plane's as a read of its own.
bool TakePlanes(const Bytes &block, ObjectData &mesh) {
    WireReader in(block);
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        PlaneData &plane = mesh.pln[i];
        plane.material = in.Int();
        for (uint8_t &channel : plane.color) channel = in.Byte();
        in.Byte();
        plane.pntNum = in.Int();
        in.Int();
        plane.normal = in.Vector();
        if (!InRange(plane.material, 0, mesh.materialNum - 1) ||
            !InRange(plane.pntNum, kFewestCorners, kMostCorners) || !IsFinite(plane.normal))
            return false;
    }
    return true;
}

bool TakeMaterials(const Bytes &block, ObjectData &mesh) {
    WireReader in(block);
    for (int32_t i = 0; i < mesh.materialNum; ++i) {
        MaterialData &material = mesh.material[i];
        material.red = in.Byte();
        material.green = in.Byte();
        material.blue = in.Byte();
        in.Byte();
        material.highlight = in.Float();
        if (!std::isfinite(material.highlight)) return false;
    }
    return true;
}

bool TakeCorners(const Bytes &block, const ObjectData &mesh, PlaneData &plane) {
    plane.pnt = battle::AllocateZeroed<int32_t>(plane.pntNum);
    if (plane.pnt == nullptr) return false;
    WireReader in(block);
    for (int32_t c = 0; c < plane.pntNum; ++c) {
        plane.pnt[c] = in.Int();
        if (!InRange(plane.pnt[c], 0, mesh.pntNum - 1)) return false;
    }
    return true;
}

using Take = bool (*)(const Bytes &block, ObjectData &mesh);

// The arrays between the record and the corners, in the order they go.
struct ArrayBlock {
    int32_t ObjectData::*count;
    size_t itemBytes;
    Take take;
};
constexpr ArrayBlock kArrayBlocks[] = {
    {&ObjectData::pntNum, kVectorBytes, TakeShadingVectors},
    {&ObjectData::pntNum, kVectorBytes, TakePoints},
    {&ObjectData::plnNum, kPlaneBytes, TakePlanes},
    {&ObjectData::materialNum, kMaterialBytes, TakeMaterials},
};

// An empty block is not sent at all: the line takes a count of 0 as a text to measure.
void SendBlock(LinkLine &line, const Bytes &block) {
    if (!block.empty()) line.Send(block.data(), block.size());
}

bool ReadBlock(LinkLine &line, Bytes &block, size_t count) {
    block.assign(count, 0);
    auto expected = static_cast<int32_t>(count);
    return line.ReadExact(block.data(), expected) == expected;
}

// Sends own block, then reads the other's of count bytes for take to check and keep.
Exchange Trade(LinkLine &line, const Bytes &own, size_t count, Take take, ObjectData &mesh) {
    SendBlock(line, own);
    Bytes block;
    if (!ReadBlock(line, block, count)) return Exchange::LineFailed;
    return take(block, mesh) ? Exchange::Done : Exchange::Refused;
}

Exchange ReadCorners(LinkLine &line, ObjectData &mesh) {
    Bytes block;
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        PlaneData &plane = mesh.pln[i];
        if (!ReadBlock(line, block, plane.pntNum * kCornerBytes)) return Exchange::LineFailed;
        if (!TakeCorners(block, mesh, plane)) return Exchange::Refused;
    }
    return Exchange::Done;
}

Exchange ReceiveMesh(LinkLine &line, const MeshBlocks &own, ObjectData &mesh) {
    Exchange outcome = Trade(line, own[kRecordBlock], kMeshRecordBytes, TakeRecord, mesh);
    for (size_t i = 0; i < std::size(kArrayBlocks) && outcome == Exchange::Done; ++i) {
        const ArrayBlock &array = kArrayBlocks[i];
        outcome = Trade(line, own[kRecordBlock + 1 + i], mesh.*array.count * array.itemBytes,
                        array.take, mesh);
    }
    if (outcome != Exchange::Done) return outcome;
    SendBlock(line, own[kCornerBlock]);
    return ReadCorners(line, mesh);
}

// The engine's arrays of a mesh still arriving, released unless handed over.
struct ScratchMesh {
    ScratchMesh() = default;
    ScratchMesh(const ScratchMesh &) = delete;
    ScratchMesh &operator=(const ScratchMesh &) = delete;
    ~ScratchMesh() { FreeObjectData(&mesh); }
    ObjectData mesh{};
};

}  // namespace

MeshBlocks EncodeMeshBlocks(const ObjectData &mesh) {
    return MeshBlocks{RecordBlock(mesh),
                      VectorBlock(mesh.shadingVector, mesh.pntNum),
                      VectorBlock(mesh.pnt, mesh.pntNum),
                      PlaneBlock(mesh),
                      MaterialBlock(mesh),
                      CornerBlock(mesh)};
}

Exchange ExchangeMesh(LinkLine &line, const ObjectData &own, ObjectData &peer) {
    ScratchMesh arrived;
    Exchange outcome = ReceiveMesh(line, EncodeMeshBlocks(own), arrived.mesh);
    if (outcome == Exchange::Done) {
        FreeObjectData(&peer);
        peer = std::exchange(arrived.mesh, ObjectData{});
    }
    return outcome;
}

}  // namespace versus
