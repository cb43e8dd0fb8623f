// Moving, turning and stretching finished shapes, for parts built upright at the origin.
#pragma once

#include "shapes/extrusion.h"
#include "shapes/shape.h"

namespace models {

// The shape moved by offset.
shapes::Shape Moved(shapes::Shape shape, shapes::Point3 offset);

// The shape scaled about the origin by positive factors per axis, so windings stay outward.
shapes::Shape Stretched(shapes::Shape shape, shapes::Point3 factors);

// The shape turned about the axis through the origin by radians, counter-clockwise seen from the
// axis's positive end.
shapes::Shape Turned(shapes::Shape shape, shapes::Axis axis, double radians);

}  // namespace models
