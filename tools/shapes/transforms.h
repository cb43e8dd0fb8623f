// Moving, turning and stretching finished shapes, for parts built at the origin and then placed.
#pragma once

#include <numbers>

#include "shape.h"

namespace shapes {

// An angle in degrees as radians, for turns that read better in degrees.
constexpr double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The shape moved by offset.
Shape Moved(Shape shape, Point3 offset);

// The shape scaled about the origin by positive factors per axis, so windings stay outward.
Shape Stretched(Shape shape, Point3 factors);

// The shape turned about the axis through the origin by radians, counter-clockwise seen from the
// axis's positive end.
Shape Turned(Shape shape, Axis axis, double radians);

// Carries a shape built along +z from the origin so that its z axis runs from one point towards
// another, keeping its x axis level. Straight up or down no direction is level before another, so
// the x axis goes to uprightAcross, which must be a level unit vector. Throws
// std::invalid_argument when the two points are one.
Shape AlongSegment(Shape shape, Point3 from, Point3 to, Point3 uprightAcross = {1, 0, 0});

// The shape moved in z so that its lowest vertex lies exactly on the ground, z = 0.
Shape StandingOnGround(Shape shape);

}  // namespace shapes
