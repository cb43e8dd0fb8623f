// Robot models.
#include "model_catalogue.h"

namespace models {

std::vector<shapes::TaggedShape> RobotModels() { return {}; }

}  // namespace models
