// Missiles: each lies along x with its pointed nose at -x, its middle at flight height.
#pragma once

#include "shapes/shape.h"

namespace models {

// "Std_Miss": a steel missile with a red warhead and four tail fins.
shapes::Shape MakeStandardMissile();
// "Hom_Miss": a blue homing missile with a green seeker, canards and tail fins; it spins.
shapes::Shape MakeHomingMissile();
// "Lazer_Miss": a white dart with a glowing cyan needle nose and swept wings.
shapes::Shape MakeLaserMissile();
// "2W_Miss": an orange missile with a booster pod on either side.
shapes::Shape MakeTwinMissile();
// "Star_Miss": a gold missile of star-shaped section with a star for a tail; it spins.
shapes::Shape MakeStarMissile();

}  // namespace models
