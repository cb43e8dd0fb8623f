// Stage 2's office block: glass bands between floor slabs, under a blue sky on red earth.
#include "scenery_models.h"

#include "scenery_solids.h"
#include "shapes/solids.h"

namespace models {

using shapes::Material;
using shapes::Point3;
using shapes::Shape;

namespace {

const Material kConcrete{222, 216, 204};
const Material kStone{188, 176, 160};
const Material kGlass{118, 168, 222, 0.6};
const Material kDarkGlass{60, 80, 110, 0.4};

constexpr double kHalfLength = 42, kHalfWidth = 36;  // of the glass core, along x and y
constexpr double kGround = 10, kRoof = 122;

// Floor slabs a little proud of the glass, so each storey shows as a band of windows.
Shape FloorSlabs() {
    Shape slabs;
    for (double z = 38; z < kRoof; z += 28) {
        slabs.Append(
            shapes::MakeBox({{0, 0, z}, {2 * kHalfLength + 6, 2 * kHalfWidth + 6, 4}}, kConcrete));
    }
    slabs.Append(shapes::MakeBox({{0, 0, kRoof + 4}, {2 * kHalfLength + 8, 2 * kHalfWidth + 8, 8}},
                                 kConcrete));
    return slabs;
}

// Corner pillars and mullions that cut the window bands into panes.
Shape Frame() {
    const double height = kRoof - kGround, middle = (kRoof + kGround) / 2;
    Shape frame;
    for (double x : {-kHalfLength, kHalfLength}) {
        for (double y : {-kHalfWidth, kHalfWidth}) {
            frame.Append(shapes::MakeBox({{x, y, middle}, {8, 8, height}}, kConcrete));
        }
    }
    for (double x : {-21.0, 0.0, 21.0}) {
        for (double y : {-kHalfWidth, kHalfWidth}) {
            frame.Append(shapes::MakeBox({{x, y, middle}, {3, 5, height}}, kConcrete));
        }
    }
    for (double y : {-12.0, 12.0}) {
        for (double x : {-kHalfLength, kHalfLength}) {
            frame.Append(shapes::MakeBox({{x, y, middle}, {5, 3, height}}, kConcrete));
        }
    }
    return frame;
}

Shape Entrance() {
    Shape entrance =
        shapes::MakeBox({{kHalfLength + 0.75, 0, kGround + 7}, {1.5, 20, 14}}, kDarkGlass);
    entrance.Append(shapes::MakeBox({{kHalfLength + 6, 0, kGround + 16}, {12, 30, 4}}, kStone));
    return entrance;
}

// Lift housing, water tank and an aerial with a red warning light.
Shape Rooftop() {
    const double roofTop = kRoof + 8;
    Shape rooftop = shapes::MakeBox({{-12, 6, roofTop + 9}, {30, 24, 18}}, kStone);
    rooftop.Append(shapes::MakePrism({{20, -14, roofTop + 8}, {18, 18, 16}}, 8, {170, 176, 186}));
    rooftop.Append(
        MakeBeam({-12, 6, roofTop + 18}, {-12, 6, roofTop + 40}, 2.5, 2.5, {200, 200, 206}));
    rooftop.Append(shapes::MakeBox({{-12, 6, roofTop + 42}, {5, 5, 5}}, {255, 60, 40}));
    return rooftop;
}

}  // namespace

Shape BuildingModel() {
    Shape building = shapes::MakeBox(
        {{0, 0, kGround / 2}, {2 * kHalfLength + 10, 2 * kHalfWidth + 10, kGround}}, kStone);
    building.Append(shapes::MakeBox(
        {{0, 0, (kGround + kRoof) / 2}, {2 * kHalfLength, 2 * kHalfWidth, kRoof - kGround}},
        kGlass));
    building.Append(FloorSlabs());
    building.Append(Frame());
    building.Append(Entrance());
    building.Append(Rooftop());
    return building;
}

}  // namespace models
