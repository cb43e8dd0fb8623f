// A mesh as one block of bytes in a frame file: counts, vertices with their shading vectors,
// planes, corners, radius and materials, with the colours and normals computed when it was read.
#pragma once

#include <cstdio>

#include "trazel.h"

namespace battle {

// Writes mesh as one block, field by field, little-endian; false when the file refused a write.
bool WriteMesh(std::FILE *file, const ObjectData &mesh);

// Reads one block into mesh, replacing what it held. A short file or counts and indices the
// engine could not draw leave mesh as it was and return false.
bool ReadMesh(std::FILE *file, ObjectData &mesh);

}  // namespace battle
