// Stage 4's cloud: puffs heaped along x, flat underneath, drifting above and below the fight.
#include "scenery_models.h"

#include "shapes/solids.h"

namespace models {

using shapes::Material;
using shapes::Point3;
using shapes::Shape;

Shape CloudModel() {
    const Material kTop{250, 250, 255};
    const Material kUnderside{214, 220, 236};
    struct Puff {
        Point3 centre, size;
        bool underneath;
    };
    const Puff puffs[] = {
        {{0, 0, 36}, {112, 84, 60}, false},  {{-56, 10, 28}, {82, 66, 46}, false},
        {{56, -8, 30}, {92, 72, 50}, false}, {{-20, -30, 20}, {74, 52, 34}, true},
        {{26, 32, 22}, {76, 56, 36}, true},  {{-98, -4, 18}, {52, 42, 30}, true},
        {{102, 12, 18}, {56, 46, 30}, true}, {{12, 6, 60}, {62, 52, 40}, false},
    };
    Shape cloud;
    for (const Puff &puff : puffs) {
        cloud.Append(shapes::MakeSphere({puff.centre, puff.size}, 4, 9,
                                        puff.underneath ? kUnderside : kTop));
    }
    return cloud;
}

}  // namespace models
