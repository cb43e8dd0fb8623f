// Irregular rocks: a subdivided icosahedron pushed in and out by bumps and pitted by craters.
#pragma once

#include <cstdint>
#include <vector>

#include "shapes/shape.h"

namespace models {

struct RockForm {
    shapes::Point3 size;   // extent along x, y and z before the bumps
    int subdivisions = 2;  // 20 faces times 4 to this power
    uint32_t seed = 1;
    int bumps = 8;
    double bumpHeight = 0.15;  // relative to the radius
    int craters = 3;
    double craterDepth = 0.12;  // relative to the radius
};

// The colours of a rock: tones scattered over its faces, and the floors of its craters.
struct RockPaint {
    std::vector<shapes::Material> tones;
    shapes::Material crater;
};

// A rock centred on the origin, its faces triangles painted with the tones at random and
// crater floors in the crater colour.
shapes::Shape MakeRock(const RockForm &form, const RockPaint &paint);

}  // namespace models
