// Stage scenery models, in the order the library file holds them.
#include "model_catalogue.h"
#include "scenery_models.h"

namespace models {

std::vector<shapes::TaggedShape> SceneryModels() {
    return {
        {"隕石", "Meteorite: cratered rock, stage 1", MeteoriteModel()},
        {"小隕石", "Small meteorite: burning falling rock, stage 1", SmallMeteoriteModel()},
        {"ビル", "Building: office block with window bands, stage 2", BuildingModel()},
        {"山", "Mountain: volcano sunk 200 below the plain, stage 3", MountainModel()},
        {"噴火", "Eruption: lava burst rising from the crater, stage 3", EruptionModel()},
        {"雲", "Cloud: heaped white puffs, stage 4", CloudModel()},
        {"ピラミッド", "Pyramid: stepped sandstone, stage 5", PyramidModel()},
        {"氷柱", "Icicle: cluster of ice crystals, stage 6", IcicleModel()},
        {"波", "Waves: whirl of breaking crests under a robot, stage 6", WavesModel()},
        {"タワー", "Tower: lattice radio tower, stage 7", TowerModel()},
        {"道", "Road: a 600-unit stretch of two-lane road, stage 7", RoadModel()},
        {"CPU", "CPU: processor chip on a circuit board, stage 8", ChipModel()},
        {"DOC", "DOC: a section of docking bay quay, the ending", DockModel()},
    };
}

}  // namespace models
