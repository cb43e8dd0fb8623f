// Plane geometry of 2D outlines: orientation, validity and cutting into triangles.
#pragma once

#include <array>
#include <vector>

#include "shape.h"

namespace shapes {

// Twice the signed area; positive when the outline runs counter-clockwise.
double SignedDoubleArea(const std::vector<Point2> &outline);

// Throws std::invalid_argument unless the outline is a simple polygon as MakeExtrusion needs.
void RequireSimpleOutline(const std::vector<Point2> &outline);

// True when every corner of a counter-clockwise outline turns left.
bool IsConvexOutline(const std::vector<Point2> &outline);

// Cuts a counter-clockwise simple outline into counter-clockwise triangles of its point indices.
std::vector<std::array<int, 3>> TriangulateOutline(const std::vector<Point2> &outline);

}  // namespace shapes
