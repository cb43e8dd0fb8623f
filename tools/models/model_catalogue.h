// The game's model library, gathered by family: robots, weapons and effects, stage scenery.
#pragma once

#include <vector>

#include "shapes/object_file.h"

namespace models {

// "My_Fream", the eight computer robots and the charge glow "Power".
std::vector<shapes::TaggedShape> RobotModels();
// Projectiles, laser beams, explosions and smoke.
std::vector<shapes::TaggedShape> WeaponModels();
// The scenery of the nine stages.
std::vector<shapes::TaggedShape> SceneryModels();

// Every model in the order the library file holds them.
std::vector<shapes::TaggedShape> ModelLibrary();

}  // namespace models
