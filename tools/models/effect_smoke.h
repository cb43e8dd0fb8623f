// Puffs a missile leaves behind: stage 1 is the newest and largest, stage 3 the last and least.
#pragma once

#include "shapes/shape.h"

namespace models {

// "smokN": a grey lump of exhaust smoke that pales as it thins.
shapes::Shape MakeSmokePuff(int stage);
// "Lazer_smokN": a streak of glowing blue-white vapour.
shapes::Shape MakeVapourPuff(int stage);
// "Star_MissN": a golden eight-pointed sparkle.
shapes::Shape MakeSparkle(int stage);

}  // namespace models
