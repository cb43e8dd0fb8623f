// Two meshes equal in every field a mesh block carries: vertices, shading vectors, planes with
// their corners, colours and normals, radius and materials.
#pragma once

#include "trazel.h"

void ExpectSameMesh(const ObjectData &a, const ObjectData &b);
