// The model library in file order: robots first, then weapons and effects, then scenery.
#include "model_catalogue.h"

namespace models {

std::vector<shapes::TaggedShape> ModelLibrary() {
    std::vector<shapes::TaggedShape> library = RobotModels();
    for (auto family : {WeaponModels, SceneryModels}) {
        std::vector<shapes::TaggedShape> models = family();
        library.insert(library.end(), models.begin(), models.end());
    }
    return library;
}

}  // namespace models
