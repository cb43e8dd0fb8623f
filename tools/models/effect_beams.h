// The laser's beam at the muzzle while it charges: it grows along -x from the robot's middle.
#pragma once

#include "shapes/shape.h"

namespace models {

// The three stages, shown one after another: "Lazer_Gun1" a short stab of light from a bright
// muzzle flash, "Lazer_Gun2" a longer beam with one ring of energy, "Lazer_Gun3" the full beam
// with two rings.
shapes::Shape MakeBeamStage(int stage);

}  // namespace models
