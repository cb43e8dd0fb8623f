// The scenery models of the nine stages, one builder each. Sizes are world units; obstacles that
// stand on the ground block 50 units around their origin, so they are about 100 units across.
#pragma once

#include "shapes/shape.h"

namespace models {

// Stage 1, in space: a cratered rock standing on z = 0, and a small burning one that falls.
shapes::Shape MeteoriteModel();
shapes::Shape SmallMeteoriteModel();

// Stage 2: an office block with window bands.
shapes::Shape BuildingModel();

// Stage 3: a volcano placed 200 units below the ground, and the lava burst that rises out of
// its crater as it is lifted from z = -150 to 0.
shapes::Shape MountainModel();
shapes::Shape EruptionModel();

// Stage 4: a cloud floating above or below the fight.
shapes::Shape CloudModel();

// Stage 5: a stepped sandstone pyramid.
shapes::Shape PyramidModel();

// Stage 6: a cluster of ice crystals, and the ring of waves placed 50 units down under each
// robot.
shapes::Shape IcicleModel();
shapes::Shape WavesModel();

// Stage 7: a lattice radio tower, and a stretch of road placed 100 units down.
shapes::Shape TowerModel();
shapes::Shape RoadModel();

// Stage 8: a processor chip on a circuit board.
shapes::Shape ChipModel();

// The ending: one section of a docking bay's quay, with the bay's open floor on its +y side.
shapes::Shape DockModel();

}  // namespace models
