// Extruding a 2D outline into a closed solid, for profiles that no other builder makes.
#pragma once

#include <vector>

#include "shape.h"

namespace shapes {

// Extrudes a simple polygon (at least 3 points, either winding, no crossing edges, no three
// consecutive points on a line) along axis, stretched so that the solid fills the placement.
// Concave outlines are allowed: their caps are cut into triangles.
Shape MakeExtrusion(const std::vector<Point2> &outline, Axis axis, const Placement &placement,
                    const Material &material);

}  // namespace shapes
