// Power: the glow around a robot charging its special attack. The game spins it about its x axis
// at the robot's feet, so everything is laid out around that axis: a hoop across it bristling
// with spikes, two rings tumbling through it and energy balls riding the rings. It is an open
// cage of separate solids, so the robot inside stays in view.
#include <cmath>

#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Axis;
using shapes::Point3;
using shapes::Radians;
using shapes::Shape;

const shapes::Material kYellow = Paint(255, 235, 50, 0.9);
const shapes::Material kGold = Paint(255, 190, 30, 0.8);
const shapes::Material kWhite = Paint(255, 255, 225, 0.9);

constexpr double kHoopRadius = 44;
constexpr double kRingRadius = 38;

// The point at distance out from the x axis, at angle degrees around it from +z towards +y.
Point3 AroundAxis(double x, double out, double degrees) {
    const double radians = Radians(degrees);
    return {x, out * std::sin(radians), out * std::cos(radians)};
}

Shape Hoop() {
    Shape hoop = Turned(MakeFlatRing(kHoopRadius, 3, 16, 4, kYellow), Axis::Y, Radians(90));
    for (int k = 0; k < 8; ++k) {
        const double angle = 45.0 * k + 22.5;
        hoop.Append(MakeStrut(AroundAxis(0, kHoopRadius + 1, angle),
                              AroundAxis(0, kHoopRadius + 11, angle), 4, 0.3, 4, kGold));
    }
    return hoop;
}

// A ring whose plane holds the x axis, tipped degrees about it from upright.
Shape TumblingRing(double degrees) {
    Shape ring =
        Turned(MakeFlatRing(kRingRadius, 2.4, 12, 4, kYellow), Axis::X, Radians(90 + degrees));
    for (double angle : {60.0, 120.0}) {
        const double radians = Radians(angle);
        const Point3 onRing =
            AroundAxis(kRingRadius * std::cos(radians), kRingRadius * std::sin(radians), -degrees);
        ring.Append(MakeSphere({onRing, {8, 8, 8}}, 3, 4, kWhite));
    }
    return ring;
}

}  // namespace

Shape MakePowerGlow() {
    return Joined({
        Hoop(),
        TumblingRing(45),
        TumblingRing(-45),
        MakeSphere({{-kRingRadius, 0, 0}, {9, 9, 9}}, 3, 4, kWhite),
        MakeSphere({{kRingRadius, 0, 0}, {9, 9, 9}}, 3, 4, kWhite),
    });
}

}  // namespace models
