// Outlines for lofts and extrusions: regular polygons, stars and a heart.
#pragma once

#include <vector>

#include "shapes/shape.h"

namespace models {

// A regular polygon of corners points on a circle of radius, counter-clockwise, its first
// corner at angle (radians from +u towards +v).
std::vector<shapes::Point2> RegularOutline(int corners, double radius, double angle = 0);

// A star of points tips at radius outer with notches at radius inner between them,
// counter-clockwise, its first tip at angle.
std::vector<shapes::Point2> StarOutline(int points, double outer, double inner, double angle = 0);

// A heart one unit long along u, its point at u = -0.5 and its two lobes at u = +0.5,
// counter-clockwise.
std::vector<shapes::Point2> HeartOutline();

}  // namespace models
