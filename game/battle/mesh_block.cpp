// Mesh blocks in the fixed 32-bit layout: pointers written as zero, everything else field by field.
#include "mesh_block.h"

#include "little_endian.h"

namespace battle {
namespace {

constexpr int32_t kMostVertices = TZ_MAX_VERTICES, kMostPlanes = TZ_MAX_PLANES;
constexpr int32_t kMostMaterials = TZ_MAX_MATERIALS, kFewestCorners = 3, kMostCorners = 8;

class BlockWriter : public LittleEndianWriter<BlockWriter> {
  public:
    explicit BlockWriter(std::FILE *file) : file_(file) {}
    void Byte(uint8_t value) { ok_ = ok_ && std::fputc(value, file_) != EOF; }
    bool Ok() const { return ok_; }

  private:
    std::FILE *file_;
    bool ok_ = true;
};

// Reads fields until the file runs short; after that every read gives zero and Ok() is false.
class BlockReader : public LittleEndianReader<BlockReader> {
  public:
    explicit BlockReader(std::FILE *file) : file_(file) {}
    uint8_t Byte() {
        int value = ok_ ? std::fgetc(file_) : EOF;
        ok_ = value != EOF;
        return ok_ ? static_cast<uint8_t>(value) : 0;
    }
    bool Ok() const { return ok_; }

  private:
    std::FILE *file_;
    bool ok_ = true;
};

bool InRange(int32_t value, int32_t lowest, int32_t highest) {
    return value >= lowest && value <= highest;
}

bool ReadVertices(BlockReader &in, ObjectData &mesh) {
    int32_t count = in.Int();
    if (!in.Ok() || !InRange(count, 1, kMostVertices)) return false;
    mesh.shadingVector = AllocateZeroed<Vector3>(count);
    mesh.pnt = AllocateZeroed<Vector3>(count);
    if (mesh.shadingVector == nullptr || mesh.pnt == nullptr) return false;
    mesh.pntNum = count;
    for (int32_t i = 0; i < count; ++i) mesh.shadingVector[i] = in.Vector();
    for (int32_t i = 0; i < count; ++i) mesh.pnt[i] = in.Vector();
    return in.Ok();
}

PlaneData ReadPlaneRecord(BlockReader &in) {
    PlaneData plane{};
    plane.material = in.Int();
    in.Byte();  // padding
    for (uint8_t &channel : plane.color) channel = in.Byte();
    plane.pntNum = in.Int();
    in.Int();  // where the corners were in memory: meaningless here
    plane.normal = in.Vector();
    return plane;
}

bool ReadPlanes(BlockReader &in, ObjectData &mesh) {
    int32_t count = in.Int();
    if (!in.Ok() || !InRange(count, 0, kMostPlanes)) return false;
    mesh.pln = AllocateZeroed<PlaneData>(count);
    if (mesh.pln == nullptr) return false;
    mesh.plnNum = count;
    for (int32_t i = 0; i < count; ++i) {
        PlaneData plane = ReadPlaneRecord(in);
        if (!in.Ok() || !InRange(plane.pntNum, kFewestCorners, kMostCorners)) return false;
        plane.pnt = nullptr;
        mesh.pln[i] = plane;
    }
    for (int32_t i = 0; i < count; ++i) {
        PlaneData &plane = mesh.pln[i];
        plane.pnt = AllocateZeroed<int32_t>(plane.pntNum);
        if (plane.pnt == nullptr) return false;
        for (int32_t c = 0; c < plane.pntNum; ++c) {
            plane.pnt[c] = in.Int();
            if (!in.Ok() || !InRange(plane.pnt[c], 0, mesh.pntNum - 1)) return false;
        }
    }
    return true;
}

bool ReadMaterials(BlockReader &in, ObjectData &mesh) {
    mesh.radius = in.Float();
    int32_t count = in.Int();
    if (!in.Ok() || !InRange(count, 1, kMostMaterials)) return false;
    mesh.material = AllocateZeroed<MaterialData>(count);
    if (mesh.material == nullptr) return false;
    mesh.materialNum = count;
    for (int32_t i = 0; i < count; ++i) {
        MaterialData &material = mesh.material[i];
        in.Byte();  // padding
        material.red = in.Byte();
        material.green = in.Byte();
        material.blue = in.Byte();
        material.highlight = in.Float();
    }
    if (!in.Ok()) return false;
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        if (!InRange(mesh.pln[i].material, 0, count - 1)) return false;
    }
    return true;
}

}  // namespace

bool WriteMesh(std::FILE *file, const ObjectData &mesh) {
    BlockWriter out(file);
    out.Int(mesh.pntNum);
    for (int32_t i = 0; i < mesh.pntNum; ++i)
        out.Vector(mesh.shadingVector != nullptr ? mesh.shadingVector[i] : Vector3{0, 0, 1});
    for (int32_t i = 0; i < mesh.pntNum; ++i) out.Vector(mesh.pnt[i]);
    out.Int(mesh.plnNum);
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        const PlaneData &plane = mesh.pln[i];
        out.Int(plane.material);
        out.Byte(0);
        for (uint8_t channel : plane.color) out.Byte(channel);
        out.Int(plane.pntNum);
        out.Int(0);
        out.Vector(plane.normal);
    }
    for (int32_t i = 0; i < mesh.plnNum; ++i) {
        for (int32_t c = 0; c < mesh.pln[i].pntNum; ++c) out.Int(mesh.pln[i].pnt[c]);
    }
    out.Float(mesh.radius);
    out.Int(mesh.materialNum);
    for (int32_t i = 0; i < mesh.materialNum; ++i) {
        const MaterialData &material = mesh.material[i];
        out.Byte(0);
        out.Byte(material.red);
        out.Byte(material.green);
        out.Byte(material.blue);
        out.Float(material.highlight);
    }
    return out.Ok();
}

bool ReadMesh(std::FILE *file, ObjectData &mesh) {
    BlockReader in(file);
    ObjectData read{};
    // Read whole into a scratch record and swap in only when every part arrived and fits.
    if (!ReadVertices(in, read) || !ReadPlanes(in, read) || !ReadMaterials(in, read)) {
        FreeObjectData(&read);
        return false;
    }
    FreeObjectData(&mesh);
    mesh = read;
    return true;
}

}  // namespace battle
