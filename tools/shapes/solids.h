// Builders of closed solids: boxes, prisms and cylinders, cones and pyramids, UV spheres.
#pragma once

#include "shape.h"

namespace shapes {

// The most sides, rings or segments a builder accepts: the engine's vertex limit per mesh.
constexpr int kMostDivisions = 5000;

// An axis-aligned box filling the placement.
Shape MakeBox(const Placement &placement, const Material &material);

// A prism along z whose cross-section is a regular polygon of sides corners (3 or more) with a
// flat side facing +x, stretched to the placement; many sides make a cylinder.
Shape MakePrism(const Placement &placement, int sides, const Material &material);

// A cone along z: the prism's cross-section at the bottom, an apex at the top above its middle.
Shape MakeCone(const Placement &placement, int sides, const Material &material);

// A pyramid on a rectangular base filling the placement's footprint.
Shape MakePyramid(const Placement &placement, const Material &material);

// A UV sphere stretched to the placement: rings latitude bands (2 or more) between the poles on
// the z axis, segments longitude bands (3 or more).
Shape MakeSphere(const Placement &placement, int rings, int segments, const Material &material);

}  // namespace shapes
