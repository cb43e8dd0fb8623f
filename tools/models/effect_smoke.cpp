// Smoke puffs: twenty-odd faces each, since a frame may hold dozens of them.
#include "effect_smoke.h"

#include <stdexcept>

#include "shapes/transforms.h"
#include "weapon_measures.h"
#include "weapon_paints.h"
#include "weapon_solids.h"

namespace models {

using shapes::Shape;

namespace {

struct PuffStage {
    double radius;
    // Older puffs drift a little upwards from where the missile left them.
    double rise;
};

constexpr PuffStage kStages[] = {{8, 0}, {5.5, 2}, {3, 4}};

const PuffStage &StageOf(int stage) {
    if (stage < 1 || stage > 3) throw std::invalid_argument("puffs have stages 1 to 3");
    return kStages[stage - 1];
}

Shape AtPuffHeight(Shape shape, const PuffStage &stage) {
    return Moved(std::move(shape), {0, 0, kFlightHeight + stage.rise});
}

}  // namespace

Shape MakeSmokePuff(int stage) {
    constexpr shapes::Material kPaints[] = {paint::kSmokeDense, paint::kSmokeThin,
                                            paint::kSmokeFaint};
    const PuffStage &puff = StageOf(stage);
    return AtPuffHeight(MakeLumpyBall(puff.radius, 0.35, 40 + stage, kPaints[stage - 1]), puff);
}

Shape MakeVapourPuff(int stage) {
    constexpr shapes::Material kPaints[] = {paint::kVapourBlue, paint::kVapourPale,
                                            paint::kVapourWhite};
    const PuffStage &puff = StageOf(stage);
    Shape streak = MakeLumpyBall(puff.radius * 0.75, 0.3, 50 + stage, kPaints[stage - 1]);
    return AtPuffHeight(Stretched(std::move(streak), {1.6, 1, 0.8}), puff);
}

Shape MakeSparkle(int stage) {
    constexpr shapes::Material kPaints[] = {paint::kSparkGold, paint::kSparkYellow,
                                            paint::kSparkPale};
    const PuffStage &puff = StageOf(stage);
    Shape sparkle = MakeSpikyBall(Polyhedron::Octahedron, puff.radius * 0.3, puff.radius * 1.1,
                                  puff.radius * 1.25, 60 + stage, kPaints[stage - 1]);
    return AtPuffHeight(Turned(std::move(sparkle), shapes::Axis::Z, 0.4), puff);
}

}  // namespace models
