// Missiles: lofted bodies with fins, metallic, each with its own colours so kinds tell apart.
#include "weapon_missiles.h"

#include <numbers>

#include "shapes/transforms.h"
#include "weapon_measures.h"
#include "weapon_outlines.h"
#include "weapon_paints.h"
#include "weapon_solids.h"

namespace models {

using shapes::Point3;
using shapes::Shape;

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;
constexpr double kEighthTurn = std::numbers::pi / 4;

Shape AtFlightHeight(Shape shape) {
    return Moved(std::move(shape), {0, 0, kFlightHeight});
}

}  // namespace

Shape MakeStandardMissile() {
    Shape missile = MakeLoft(
        {-16, 0, 0},
        {RoundSection(-9, 2.6, 8, paint::kWarheadRed), RoundSection(10, 2.6, 8, paint::kSteel),
         RoundSection(12.5, 2.0, 8, paint::kDarkSteel)},
        {std::nullopt, paint::kExhaustGlow});
    missile.Append(MakeFins(4, {{5, 1.5}, {12, 1.5}, {12, 7}, {9, 7}}, 0.8, 0, paint::kFinRed));
    return AtFlightHeight(std::move(missile));
}

Shape MakeHomingMissile() {
    Shape missile = MakeLoft(
        {-15, 0, 0},
        {RoundSection(-11, 2.0, 8, paint::kSeekerGreen),
         RoundSection(-9, 2.8, 8, paint::kHomingBlue), RoundSection(11, 2.8, 8, paint::kHomingBlue),
         RoundSection(13, 2.2, 8, paint::kDarkSteel)},
        {std::nullopt, paint::kExhaustGlow});
    missile.Append(
        MakeFins(4, {{-7, 1.5}, {-3, 1.5}, {-4, 5}, {-6, 5}}, 0.7, kEighthTurn, paint::kSteel));
    missile.Append(
        MakeFins(4, {{5, 1.5}, {13, 1.5}, {13, 7.5}, {10, 7.5}}, 0.8, kEighthTurn, paint::kSteel));
    return AtFlightHeight(std::move(missile));
}

Shape MakeLaserMissile() {
    Shape missile = MakeLoft({-18, 0, 0},
                             {RoundSection(-10, 2.2, 6, paint::kLaserCyan),
                              RoundSection(-8, 2.6, 6, paint::kLaserMissileWhite),
                              RoundSection(13, 2.6, 6, paint::kLaserMissileWhite),
                              RoundSection(15, 1.9, 6, paint::kDarkSteel)},
                             {std::nullopt, paint::kLaserCyan});
    missile.Append(
        MakeFins(2, {{-3, 1.5}, {12, 1.5}, {14, 9}, {10, 9}}, 0.8, 0, paint::kLaserMissileWhite));
    missile.Append(
        MakeFins(1, {{7, 1.5}, {14, 1.5}, {15, 6}, {12, 6}}, 0.8, kQuarterTurn, paint::kLaserCyan));
    return AtFlightHeight(std::move(missile));
}

Shape MakeTwinMissile() {
    Shape missile = MakeLoft(
        {-15, 0, 0},
        {RoundSection(-8, 3.0, 8, paint::kWarheadRed), RoundSection(11, 3.0, 8, paint::kTwinOrange),
         RoundSection(13, 2.3, 8, paint::kDarkSteel)},
        {std::nullopt, paint::kExhaustGlow});
    for (double side : {-1.0, 1.0}) {
        Shape pod = MakeLoft(
            {-4, 0, 0},
            {RoundSection(0, 1.8, 6, paint::kSteel), RoundSection(10, 1.8, 6, paint::kSteel)},
            {std::nullopt, paint::kExhaustGlow});
        missile.Append(Moved(std::move(pod), {0, side * 4.2, 0}));
    }
    missile.Append(
        MakeFins(2, {{4, 1.5}, {12, 1.5}, {12, 7}, {9, 7}}, 0.8, kQuarterTurn, paint::kTwinOrange));
    return AtFlightHeight(std::move(missile));
}

Shape MakeStarMissile() {
    const std::vector<shapes::Point2> star = StarOutline(5, 3.6, 1.6, kQuarterTurn);
    Shape missile =
        MakeLoft({-17, 0, 0}, {{-9, star, paint::kStarMagenta}, {11, star, paint::kStarGold}},
                 {std::nullopt, paint::kStarMagenta});
    missile.Append(
        MakeSlab(StarOutline(5, 8, 3.4, kQuarterTurn), shapes::Axis::X, 11, 14, paint::kStarGold));
    return AtFlightHeight(std::move(missile));
}

}  // namespace models
