// A mesh as one block of bytes in a frame file: counts, vertices with their shading vectors,
// planes, corners, radius and materials, with the colours and normals computed when it was read.
#pragma once

#include <cstdio>
#include <cstring>

#include "trazel.h"

namespace battle {

// count zeroed elements of T in the engine's tracked memory, which FreeObjectData releases; null
// when the engine refuses the block.
template <typename T>
T *AllocateZeroed(int32_t count) {
    auto *block = static_cast<T *>(TzAlloc(static_cast<int32_t>(sizeof(T)) * count));
    if (block != nullptr) std::memset(static_cast<void *>(block), 0, sizeof(T) * count);
    return block;
}

// Writes mesh as one block, field by field, little-endian; false when the file refused a write.
bool WriteMesh(std::FILE *file, const ObjectData &mesh);

// Reads one block into mesh, replacing what it held. A short file or counts and indices the
// engine could not draw leave mesh as it was and return false.
bool ReadMesh(std::FILE *file, ObjectData &mesh);

}  // namespace battle
