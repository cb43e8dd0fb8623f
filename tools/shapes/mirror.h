// Mirror images in y, for models built one side at a time (robots are symmetric left to right).
#pragma once

#include "shape.h"

namespace shapes {

// The shape reflected through the plane y = 0, with every face's corner order reversed so that
// faces still run counter-clockwise seen from outside.
Shape MirrorInY(const Shape &shape);

// Joins a half modelled on the +y side (every vertex at y >= 0) with its mirror image into one
// whole: vertices on the plane y = 0 are shared, and faces lying in that plane, which would end
// up inside the whole, are dropped from both halves.
Shape JoinMirroredHalves(const Shape &half);

}  // namespace shapes
