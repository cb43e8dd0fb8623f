// Gun projectiles: each flies nose first along -x at flight height, about its own middle.
#pragma once

#include "shapes/shape.h"

namespace models {

// "Std_Gun": a yellow tracer round with an orange tail flame.
shapes::Shape MakeTracerRound();
// "Lazer_Gun": a long thin cyan laser bolt with a white-hot core.
shapes::Shape MakeLaserBolt();
// "Puls_Gun": a magenta energy ring round a pale spindle.
shapes::Shape MakePulseShot();
// "Dlil_Gun": a gold spiral drill bit; the game spins it about x.
shapes::Shape MakeDrillShot();
// "Hart_Gun": a red heart lying flat, its point forward; the game spins it about x.
shapes::Shape MakeHeartShot();

}  // namespace models
