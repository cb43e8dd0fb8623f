// Geometric checks on built shapes: normals as the engine finds them, closure, volume, inside.
#pragma once

#include <optional>
#include <string>

#include "shapes/shape.h"

// The face's unit normal found the engine's way: (P1 - P0) x (P2 - P1) over the first three
// corners with both edges normalised first, in float, moving on one corner while that fails.
std::optional<shapes::Point3> EngineNormal(const shapes::Shape &shape, const shapes::Face &face);

// The average of the face's corners.
shapes::Point3 FaceCentre(const shapes::Shape &shape, const shapes::Face &face);

// Empty when every directed edge a->b of every face is matched by exactly one edge b->a of
// another face: the surface is closed and wound the same way throughout. Else what is wrong.
std::string ClosureProblem(const shapes::Shape &shape);

// The enclosed volume by the divergence theorem: positive when faces wind outwards.
double SignedVolume(const shapes::Shape &shape);

// True when point lies inside the closed shape (a ray from it crosses the surface an odd number
// of times).
bool IsInside(const shapes::Shape &shape, shapes::Point3 point);

// Empty when every face is flat and convex, turning the way its normal says; else what is wrong.
std::string FlatConvexProblem(const shapes::Shape &shape);
