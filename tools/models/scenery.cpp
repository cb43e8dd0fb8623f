// Stage scenery models.
#include "model_catalogue.h"

namespace models {

std::vector<shapes::TaggedShape> SceneryModels() { return {}; }

}  // namespace models
