// The ending's docking bay: one 450-unit section of quay, placed 5 units down so that its deck
// is flush with the ground. Sections at x = -450, 0 and 450 join into one quay along -y, and a
// fourth, turned round at y = 400, lines the bay's far side. Everything stands on the -y side:
// the ending's cameras go as low as 10 units under the ground between the quays, where any
// floor would show its underside in front of the robots.
#include "scenery_models.h"

#include <utility>
#include <vector>

#include "scenery_solids.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {

using shapes::Material;
using shapes::Shape;

namespace {

constexpr double kHalfLength = 225;
constexpr double kDeck = 5;  // the deck's top, flush with the ground once placed
constexpr double kQuayDepth = 45;
constexpr double kEdge = -70, kBack = -220;  // the quay's edge on the bay and its back

const Material kSteel{170, 174, 190};
const Material kDarkSteel{112, 116, 130};
const Material kSafetyYellow{236, 192, 44};

std::vector<double> Steps(double from, double to, int count) {
    std::vector<double> steps;
    for (int i = 0; i <= count; ++i) steps.push_back(from + (to - from) * i / count);
    return steps;
}

// A deep quay decked with steel plates, a walkway, and yellow and black stripes along the edge
// of the bay.
Shape Deck() {
    const Material plates[] = {{156, 160, 174}, {140, 144, 158}};
    const Material stripes[] = {kSafetyYellow, {56, 56, 62}};
    auto tile = [&](int column, int row) {
        if (row == 3) return stripes[column % 2];
        if (row == 2) return kDarkSteel;
        return plates[(column / 2 + row) % 2];
    };
    Shape deck = MakeTiledSlab(Steps(-kHalfLength, kHalfLength, 15),
                               {kBack, -160, -100, -82, kEdge}, kQuayDepth, tile, kDarkSteel);
    return Moved(std::move(deck), {0, 0, kDeck - kQuayDepth});
}

// The bay's back wall with buttresses, a lit window band and an overhanging roof.
Shape BackWall() {
    const double top = 135;
    Shape wall = shapes::MakeBox(
        {{0, kBack + 7, (kDeck + top) / 2}, {2 * kHalfLength, 14, top - kDeck}}, kSteel);
    wall.Append(
        shapes::MakeBox({{0, kBack + 15, 100}, {2 * kHalfLength, 2, 20}}, {150, 204, 255, 0.5}));
    for (double x : {-150.0, 0.0, 150.0}) {
        wall.Append(shapes::MakeBox(
            {{x, kBack + 19, (kDeck + top) / 2 + 2}, {18, 10, top - kDeck + 4}}, kDarkSteel));
    }
    wall.Append(shapes::MakeBox({{0, kBack + 14, top + 5}, {2 * kHalfLength, 46, 10}}, kDarkSteel));
    return wall;
}

// A gantry crane reaching out over the bay, its hook hanging above the edge.
Shape Crane() {
    const double x = -60, top = 150;
    const Material paint{236, 150, 40};
    Shape crane = MakeBeam({x, -195, kDeck}, {x, -195, top}, 8, 8, paint);
    crane.Append(MakeBeam({x, -100, kDeck}, {x, -100, top}, 8, 8, paint));
    crane.Append(MakeBeam({x, -205, top}, {x, -40, top}, 10, 10, paint));
    crane.Append(shapes::MakeBox({{x, -112, top - 14}, {16, 20, 18}}, kSafetyYellow));
    crane.Append(MakeBeam({x, -50, top - 5}, {x, -50, 92}, 1.5, 1.5, kDarkSteel));
    crane.Append(shapes::MakeBox({{x, -50, 88}, {8, 8, 8}}, kDarkSteel));
    return crane;
}

// Fuel tanks with an orange band, and a stack of cargo crates.
Shape TanksAndCrates() {
    const Material white{232, 232, 238}, band{236, 120, 50};
    Shape stores;
    for (double x : {80.0, 130.0}) {
        Shape tank = MakeLathe({{22, kDeck}, {22, 34}, {22, 44}, {22, 62}, {15, 74}, {0, 78}}, 8,
                               {white, band, white, white, white});
        stores.Append(Moved(std::move(tank), {x, -172, 0}));
    }
    const Material crates[] = {{204, 124, 56}, {116, 136, 84}};
    stores.Append(shapes::MakeBox({{188, -128, kDeck + 13}, {26, 26, 26}}, crates[0]));
    stores.Append(shapes::MakeBox({{190, -158, kDeck + 13}, {26, 26, 26}}, crates[1]));
    stores.Append(shapes::MakeBox({{189, -143, kDeck + 39}, {26, 26, 26}}, crates[1]));
    stores.Append(shapes::MakeBox({{-170, -140, kDeck + 11}, {30, 22, 22}}, crates[0]));
    return stores;
}

}  // namespace

Shape DockModel() {
    Shape dock = Deck();
    dock.Append(BackWall());
    dock.Append(Crane());
    dock.Append(TanksAndCrates());
    return dock;
}

}  // namespace models
