// Octplus: an octopus mech in purple: a tall domed head with two big eyes and a metal collar,
// eight jointed tentacle legs splayed around it, and a gun below the eyes.
#include <cmath>

#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Axis;
using shapes::Point2;
using shapes::Point3;
using shapes::Radians;
using shapes::Shape;

const shapes::Material kPurple = Paint(150, 60, 195, 0.5);
const shapes::Material kLilac = Paint(215, 140, 235, 0.4);
const shapes::Material kMetal = Paint(175, 175, 190, 0.7);
const shapes::Material kEyeWhite = Paint(255, 245, 200, 0.6);
const shapes::Material kPupil = Paint(60, 20, 80, 0.8);

// A point at distance out from the z axis in the ground direction of bearing degrees, where 0
// is the robot's front (-x) and 90 its +y side.
Point3 Outward(double bearing, double out, double z) {
    const double radians = Radians(bearing);
    return {-out * std::cos(radians), out * std::sin(radians), z};
}

Shape Tentacle(double bearing) {
    const Point3 root = Outward(bearing, 10, 22), knee = Outward(bearing, 18, 25),
                 ankle = Outward(bearing, 25.5, 9), toe = Outward(bearing, 31, 1.5),
                 tip = Outward(bearing, 35, 5);
    return Joined({
        MakeStrut(root, knee, 7, 5.5, 6, kPurple),
        MakeSphere({knee, {6.4, 6.4, 6.4}}, 2, 4, kMetal),
        MakeStrut(knee, ankle, 5.4, 4, 6, kPurple),
        MakeStrut(ankle, toe, 4, 3, 5, kLilac),
        MakeStrut(toe, tip, 3, 1.2, 4, kLilac),
    });
}

Shape Head() {
    const std::vector<Point2> mantle{{9, 0},   {12, 3}, {13.5, 9}, {13, 16},
                                     {11, 22}, {7, 27}, {3, 29.5}, {0, 30}};
    return Joined({
        Moved(Turned(MakeLathe(mantle, 8, kPurple), Axis::Y, Radians(12)), {1, 0, 20}),
        Moved(MakeFlatRing(10.5, 2.6, 8, 4, kMetal), {0, 0, 21.5}),
        MakeStrut({-6, 0, 20}, {-15, 0, 19}, 3, 2.2, 6, kMetal),
        MakeSideProfile({{9, 48}, {13, 48}, {15, 55}, {13, 55}}, -0.6, 0.6, kMetal),
    });
}

Shape Eye() {
    return Joined({
        MakeSphere({{-10, 6, 31}, {6, 7, 8}}, 3, 6, kEyeWhite),
        MakeSphere({{-12.6, 6.6, 31.5}, {2, 3.6, 4.6}}, 3, 6, kPupil),
    });
}

}  // namespace

Shape MakeOctplus() {
    Shape robot = Head();
    robot.Append(
        BothSides({Tentacle(22.5), Tentacle(67.5), Tentacle(112.5), Tentacle(157.5), Eye()}));
    return StandingOnGround(robot);
}

}  // namespace models
