// Gun projectiles, kept to a few dozen faces: a frame may hold dozens of them at once.
#include "weapon_shots.h"

#include <numbers>

#include "shapes/solids.h"
#include "shapes/transforms.h"
#include "weapon_measures.h"
#include "weapon_outlines.h"
#include "weapon_paints.h"
#include "weapon_solids.h"

namespace models {

using shapes::Point3;
using shapes::Shape;

namespace {

// A body that tapers to a point at both ends along x, built at the origin.
Shape MakeSpindle(double nose, double front, double back, double tail, double radius, int sides,
                  const shapes::Material &body, const shapes::Material &end) {
    std::vector<shapes::Point2> round = RegularOutline(sides, radius);
    return MakeLoft({nose, 0, 0}, {{front, round, body}, {back, round, body}},
                    {Point3{tail, 0, 0}, end});
}

struct ConeRing {
    double x, radius;
};

// A cone from a tip at tipX back through round rings, each ring turned a sixth of a turn further
// than the one before and the sides striped in two colours, so the stripes wind round it like the
// flutes of a drill. Closed by a flat back.
Shape MakeFlutedCone(double tipX, const std::vector<ConeRing> &rings, const shapes::Material &flute,
                     const shapes::Material &groove) {
    constexpr int kSides = 6;
    Shape cone;
    const int paints[] = {cone.AddMaterial(flute), cone.AddMaterial(groove)};
    const int tip = cone.AddVertex({tipX, 0, 0});
    for (size_t k = 0; k < rings.size(); ++k) {
        for (shapes::Point2 p : RegularOutline(kSides, rings[k].radius, k * std::numbers::pi / 3)) {
            cone.AddVertex({rings[k].x, p.u, p.v});
        }
    }
    auto corner = [&](size_t k, int j) { return 1 + static_cast<int>(k) * kSides + j % kSides; };
    for (int j = 0; j < kSides; ++j)
        cone.AddFace({tip, corner(0, j + 1), corner(0, j)}, paints[j % 2]);
    for (size_t k = 0; k + 1 < rings.size(); ++k) {
        // Corner j runs back to corner j of the next ring, a sixth of a turn further round.
        for (int j = 0; j < kSides; ++j) {
            int paint = paints[j % 2];
            cone.AddFace({corner(k, j), corner(k, j + 1), corner(k + 1, j + 1)}, paint);
            cone.AddFace({corner(k, j), corner(k + 1, j + 1), corner(k + 1, j)}, paint);
        }
    }
    std::vector<int> back;
    for (int j = 0; j < kSides; ++j) back.push_back(corner(rings.size() - 1, j));
    cone.AddFace(back, paints[1]);
    return cone;
}

Shape AtFlightHeight(Shape shape) {
    return Moved(std::move(shape), {0, 0, kFlightHeight});
}

}  // namespace

Shape MakeTracerRound() {
    return AtFlightHeight(
        MakeSpindle(-7, -4, 2, 8, 2.2, 6, paint::kTracerYellow, paint::kTracerOrange));
}

Shape MakeLaserBolt() {
    Shape bolt = MakeSpindle(-18, -12, 10, 18, 1.6, 6, paint::kLaserCyan, paint::kLaserCyan);
    bolt.Append(MakeSpindle(-21, -13, 13, 21, 0.8, 4, paint::kLaserWhite, paint::kLaserWhite));
    return AtFlightHeight(std::move(bolt));
}

Shape MakePulseShot() {
    Shape pulse = MakeRing(4.5, 1.3, 6, 3, paint::kPulseMagenta);
    pulse.Append(MakeSpindle(-7, -1, 1, 6, 2.4, 6, paint::kPulsePink, paint::kPulseMagenta));
    return AtFlightHeight(std::move(pulse));
}

Shape MakeDrillShot() {
    Shape drill = MakeFlutedCone(-11, {{-6, 1.8}, {-1, 3.0}, {4, 3.6}}, paint::kDrillGold,
                                 paint::kDrillSteel);
    Shape shank = shapes::MakePrism({{0, 0, 0}, {3.2, 3.2, 4}}, 6, paint::kDrillSteel);
    shapes::TurnUpToForward(shank);
    drill.Append(Moved(std::move(shank), {6, 0, 0}));
    return AtFlightHeight(std::move(drill));
}

Shape MakeHeartShot() {
    Shape heart = MakeSlab(HeartOutline(), shapes::Axis::Z, -2.5, 2.5, paint::kHeartRed);
    return AtFlightHeight(Stretched(std::move(heart), {14, 14, 1}));
}

}  // namespace models
