// The tumbling bomb and the barrier.
#include "weapon_bombs.h"

#include <numbers>

#include "shapes/solids.h"
#include "shapes/transforms.h"
#include "weapon_outlines.h"
#include "weapon_paints.h"
#include "weapon_solids.h"

namespace models {

using shapes::Point3;
using shapes::Shape;

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;
// The bomb's middle sits low: it is bowled along the ground rather than flown.
constexpr double kBombHeight = 15;
// The barrier's disc stands on its rim just above the ground.
constexpr double kBarrierRadius = 24;
constexpr double kBarrierRim = 1.8;
constexpr double kBarrierHeight = kBarrierRadius + kBarrierRim + 0.2;

}  // namespace

Shape MakeTumblingBomb() {
    Shape bomb = MakeLoft(
        {-8, 0, 0},
        {RoundSection(-6.9, 4, 8, paint::kBombOlive), RoundSection(-4, 6.9, 8, paint::kBombOlive),
         RoundSection(-1.2, 7.9, 8, paint::kBombOlive), RoundSection(1.2, 7.9, 8, paint::kBombBand),
         RoundSection(4, 6.9, 8, paint::kBombOlive), RoundSection(6.9, 4, 8, paint::kBombOlive)},
        {Point3{8, 0, 0}, paint::kBombOlive});
    Shape fuse = shapes::MakeCone({{0, 0, 0}, {3, 3, 2.4}}, 6, paint::kFuseRed);
    bomb.Append(Moved(Turned(std::move(fuse), shapes::Axis::Y, -kQuarterTurn), {-8.6, 0, 0}));
    // The fins' roots reach into the ball, so they need no shaft to hold them.
    bomb.Append(MakeFins(4, {{5, 0.5}, {16, 0.5}, {16, 6}, {12, 6}}, 0.8, 0, paint::kBombBand));
    return Moved(std::move(bomb), {0, 0, kBombHeight});
}

Shape MakeBarrier() {
    Shape barrier =
        MakeSlab(RegularOutline(12, kBarrierRadius), shapes::Axis::X, -1, 1, paint::kBarrierGreen);
    barrier.Append(MakeRing(kBarrierRadius, kBarrierRim, 12, 3, paint::kBarrierBlue));
    barrier.Append(MakeLoft(
        {-6, 0, 0},
        {RoundSection(-1.5, 5, 6, paint::kFireYellow), RoundSection(1.5, 5, 6, paint::kFireYellow)},
        {Point3{6, 0, 0}, paint::kFireYellow}));
    barrier = Moved(std::move(barrier), {0, 0, kBarrierHeight});
    barrier.Append(shapes::MakeBox({{0, 0, 1.5}, {8, 14, 3}}, paint::kDarkSteel));
    return barrier;
}

}  // namespace models
