// Argument checks shared by the builders, so bad sizes fail loudly instead of making bad meshes.
#pragma once

#include "shape.h"

namespace shapes {

// Throws std::invalid_argument unless every coordinate is finite and every size positive.
void RequireSolidPlacement(const Placement &placement);
// Throws std::invalid_argument unless lowest <= count <= highest.
void RequireCount(const char *what, int count, int lowest, int highest);

}  // namespace shapes
