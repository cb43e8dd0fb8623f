// Explosions: jagged fireballs of overlapping spiky balls in red, orange and yellow.
#pragma once

#include "shapes/shape.h"

namespace models {

// The stages of a blast, newest first: "Crush3" a burning fireball about fifty units across
// standing on the ground over torn wreckage (also what is left of a destroyed robot),
// "Crush2" a smaller orange and yellow burst, "Crush1" dying red embers under grey smoke.
shapes::Shape MakeExplosion(int stage);

}  // namespace models
