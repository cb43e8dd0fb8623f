// Stage 7's lattice radio tower and the road that runs past the arena. The road is placed 100
// units down at y = -260, 340 and 940, so three 600-unit stretches join into one.
#include "scenery_models.h"

#include <vector>

#include "scenery_solids.h"
#include "shapes/panel.h"
#include "shapes/solids.h"

namespace models {

using shapes::Material;
using shapes::Point3;
using shapes::Shape;

namespace {

const Material kSteel{236, 104, 52};
const Material kWhite{236, 236, 230};

// The half-width of the legs' square at each joint, from the ground up; the legs curve in.
// The feet stand in the base plate, so that no corner of a leg dips below the ground.
struct Joint {
    double height, half;
};
const Joint kJoints[] = {{3, 46}, {56, 32}, {112, 22}, {170, 14}};

Point3 LegPoint(const Joint &joint, int corner) {
    double x = corner == 0 || corner == 3 ? joint.half : -joint.half;
    double y = corner < 2 ? joint.half : -joint.half;
    return {x, y, joint.height};
}

// Four curved legs, and on each side of each stage a cross of braces under a level girder.
Shape Lattice() {
    Shape lattice;
    const int stages = static_cast<int>(std::size(kJoints)) - 1;
    for (int stage = 0; stage < stages; ++stage) {
        const Joint &low = kJoints[stage], &high = kJoints[stage + 1];
        for (int corner = 0; corner < 4; ++corner) {
            int next = (corner + 1) % 4;
            lattice.Append(MakeBeam(LegPoint(low, corner), LegPoint(high, corner), 6, 6, kSteel));
            lattice.Append(MakeBeam(LegPoint(low, corner), LegPoint(high, next), 2.5, 2.5, kSteel));
            lattice.Append(MakeBeam(LegPoint(low, next), LegPoint(high, corner), 2.5, 2.5, kSteel));
            lattice.Append(
                MakeBeam(LegPoint(high, corner), LegPoint(high, next), 3.5, 3.5, kSteel));
        }
    }
    return lattice;
}

// Two observation decks, then a mast banded red and white to the aerial's tip.
Shape DecksAndMast() {
    const double top = kJoints[std::size(kJoints) - 1].height;
    Shape upper = shapes::MakePrism({{0, 0, 112}, {62, 62, 14}}, 8, kWhite);
    upper.Append(shapes::MakePrism({{0, 0, 121}, {54, 54, 4}}, 8, {120, 170, 220, 0.6}));
    upper.Append(shapes::MakePrism({{0, 0, top}, {38, 38, 10}}, 8, kWhite));
    upper.Append(MakeFrustum({{0, 0, top + 5}, 30, {8, 8}, {5, 5}}, kSteel));
    upper.Append(MakeFrustum({{0, 0, top + 35}, 24, {5, 5}, {3, 3}}, kWhite));
    upper.Append(MakeFrustum({{0, 0, top + 59}, 20, {3, 3}, {1.5, 1.5}}, kSteel));
    upper.Append(MakeBeam({0, 0, top + 79}, {0, 0, top + 96}, 1.5, 1.5, kWhite));
    return upper;
}

}  // namespace

Shape TowerModel() {
    Shape tower = shapes::MakeBox({{0, 0, 2}, {104, 104, 4}}, {170, 170, 176});
    tower.Append(Lattice());
    tower.Append(DecksAndMast());
    return tower;
}

namespace {

constexpr double kRoadLength = 600, kTileLength = 30;

// The road's strips across its width from -x to +x: verges, edge lines, lanes and the middle
// line, each with its width; every other tile along a strip takes the gap paint, which dashes
// the middle line.
struct Strip {
    double width;
    Material paint, gap;
};

}  // namespace

Shape RoadModel() {
    const Material asphalt{74, 76, 84};
    const Material white{238, 238, 230};
    const Material yellow{236, 196, 60};
    const Material verge{150, 150, 140};
    const std::vector<Strip> strips{
        {16, verge, verge},     {4, white, white}, {48, asphalt, asphalt}, {4, yellow, asphalt},
        {48, asphalt, asphalt}, {4, white, white}, {16, verge, verge}};
    double total = 0;
    for (const Strip &strip : strips) total += strip.width;
    // Short tiles, so that the depth sort draws a robot standing above the road after it.
    const int rows = static_cast<int>(kRoadLength / kTileLength);
    Shape road;
    double left = -total / 2;
    for (const Strip &strip : strips) {
        road.Append(shapes::MakeCheckerPanel(
            {{left + strip.width / 2, 0, 0}, {strip.width, kRoadLength, 0}}, 1, rows, strip.paint,
            strip.gap));
        left += strip.width;
    }
    return road;
}

}  // namespace models
