// Weapon and effect models.
#include "model_catalogue.h"

namespace models {

std::vector<shapes::TaggedShape> WeaponModels() { return {}; }

}  // namespace models
