// A mesh on the line: the 32-byte record, then the shading vectors, vertices, planes, materials
// and every plane's corners, each field little-endian in the game's fixed 32-bit layout, with the
// pointer slots sent as zero. Both PCs send a block, then read the other's, so neither waits for
// the other to finish a whole mesh.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "link_line.h"
#include "trazel.h"

namespace versus {

constexpr size_t kMeshRecordBytes = 32;
constexpr size_t kVectorBytes = 12;
constexpr size_t kPlaneBytes = 28;
constexpr size_t kMaterialBytes = 8;
constexpr size_t kCornerBytes = 4;

// Record, shading vectors, vertices, planes, materials, corners: the order they go in.
constexpr size_t kMeshBlocks = 6;
using Bytes = std::vector<uint8_t>;
using MeshBlocks = std::array<Bytes, kMeshBlocks>;

// How an exchange with the other PC ended.
enum class Exchange {
    Done,
    LineFailed,  // a read gave up; the line has said why
    Refused,     // what arrived is not a mesh the engine can draw
};

// The blocks one side sends of mesh, in order.
MeshBlocks EncodeMeshBlocks(const ObjectData &mesh);

// Sends own and reads the other PC's mesh block by block. The other's counts must lie within the
// engine's limits (1..5000 vertices, 0..5000 planes of 3..8 corners, 1..500 materials), its
// indices within its arrays and its reals finite. Only a mesh that arrived whole and valid
// replaces what peer held (released); otherwise peer is untouched and nothing is kept.
Exchange ExchangeMesh(LinkLine &line, const ObjectData &own, ObjectData &peer);

}  // namespace versus
