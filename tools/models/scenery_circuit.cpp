// Stage 8's processor chip: a gold-lidded package with gull-wing pins in a socket on a green
// circuit board, whose gold traces run out to the board's edges. Some float and spin high up,
// so the underside is finished too.
#include "scenery_models.h"

#include <numbers>

#include "scenery_solids.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {

using shapes::Material;
using shapes::Point3;
using shapes::Shape;

namespace {

const Material kGold{236, 192, 64, 0.7};
constexpr double kBoardHalf = 50, kBoardTop = 10;
constexpr double kPackageHalf = 30, kPackageBottom = kBoardTop + 5, kPackageTop = 29;
constexpr int kPinsPerSide = 6;
constexpr double kPinSpacing = 9;

double PinOffset(int pin) {
    return (pin - (kPinsPerSide - 1) / 2.0) * kPinSpacing;
}

// One side's pins and traces, built on the +x side and turned round for the others.
Shape PinsAndTraces() {
    Shape side;
    for (int pin = 0; pin < kPinsPerSide; ++pin) {
        double y = PinOffset(pin);
        side.Append(MakeBeam({kPackageHalf - 2, y, kPackageBottom + 5},
                             {kPackageHalf + 7, y, kBoardTop + 4.5}, 4, 2, kGold));
        if (pin % 2 == 0) continue;
        side.Append(shapes::MakeBox({{(kPackageHalf + 6 + kBoardHalf) / 2, y, kBoardTop + 0.5},
                                     {kBoardHalf - kPackageHalf - 6, 3, 1}},
                                    kGold));
    }
    return side;
}

}  // namespace

Shape ChipModel() {
    Shape chip = shapes::MakeBox(
        {{0, 0, kBoardTop / 2}, {2 * kBoardHalf, 2 * kBoardHalf, kBoardTop}}, {44, 160, 84});
    chip.Append(shapes::MakeBox({{0, 0, (kBoardTop + kPackageBottom) / 2},
                                 {2 * kPackageHalf + 12, 2 * kPackageHalf + 12, 5}},
                                {224, 214, 186}));
    chip.Append(
        shapes::MakeBox({{0, 0, (kPackageBottom + kPackageTop) / 2},
                         {2 * kPackageHalf, 2 * kPackageHalf, kPackageTop - kPackageBottom}},
                        {86, 98, 94}));
    chip.Append(shapes::MakeBox({{0, 0, kPackageTop + 1.5}, {40, 40, 3}}, kGold));
    chip.Append(shapes::MakeBox({{-8, 8, kPackageTop + 3.5}, {12, 12, 1}}, {170, 130, 40}));
    for (int quarter = 0; quarter < 4; ++quarter) {
        chip.Append(Turned(PinsAndTraces(), shapes::Axis::Z, quarter * std::numbers::pi / 2));
    }
    return chip;
}

}  // namespace models
