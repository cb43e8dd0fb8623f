// Dragon: a green and gold dragon mech standing like a raptor, body leaning forward, with bat
// wings, swept-back horns, a long spiked tail and claws. Its tilt while charging lifts the tail
// and lowers the head, so it runs nose first.
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

const shapes::Material kGreen = Paint(40, 165, 70, 0.5);
const shapes::Material kDeepGreen = Paint(30, 120, 60, 0.3);
const shapes::Material kGold = Paint(235, 185, 40, 0.7);
const shapes::Material kEye = Paint(255, 70, 30, 0.8);

Shape Leg() {
    return Joined({
        MakeLoft(EllipseOutline(6, 5, 4.5), {{{3, 7, 17}, 0.9}, {{4, 7.5, 24}, 1.1}}, kGreen),
        MakeStrut({4.5, 7, 18}, {9, 7, 9}, 6, 4, 6, kGreen),
        MakeStrut({9, 7, 9.5}, {5, 7, 2}, 3.8, 3.2, 6, kDeepGreen),
        MakeSideProfile({{-4, 0}, {7, 0}, {7, 2.5}, {4, 3.5}, {-2, 3.5}}, 4.5, 9.5, kGreen),
        MakeStrut({-3, 5.2, 1.2}, {-7.5, 4.5, 0.4}, 1.6, 0.4, 4, kGold),
        MakeStrut({-3, 8.8, 1.2}, {-7.5, 9.5, 0.4}, 1.6, 0.4, 4, kGold),
    });
}

Shape Body() {
    return Joined({
        AlongSegment(
            MakeLoft(EllipseOutline(8, 7, 8),
                     {{{0, 0, 0}, 0.85}, {{0, 0, 8}, 1.05}, {{0, 0, 17}, 0.9}, {{0, 0, 21}, 0.6}},
                     kGreen),
            {8, 0, 22}, {-8, 0, 35}),
        AlongSegment(
            MakeLoft(EllipseOutline(6, 5.5, 3), {{{0, 0, 0}, 1}, {{0, 0, 15}, 0.9}}, kGold),
            {-1, 0, 21}, {-10, 0, 33}),
        MakeStrut({-6, 0, 34}, {-13, 0, 45}, 7, 5, 6, kGreen),
    });
}

Shape Head() {
    const Shape skull = MakeLoft(
        EllipseOutline(6, 4.5, 3.8),
        {{{0, 0, 0}, 0.9}, {{0, 0, 5}, 1}, {{0, -0.6, 12}, 0.6}, {{0, -0.8, 15}, 0.3}}, kGreen);
    const Shape jaw =
        MakeLoft(EllipseOutline(6, 3.4, 1.6), {{{0, 0, 0}, 1}, {{0, 0, 11}, 0.5}}, kGold);
    return Joined({
        AlongSegment(skull, {-10, 0, 48}, {-25, 0, 47}),
        AlongSegment(jaw, {-12, 0, 44.8}, {-23, 0, 44.2}),
        BothSides({
            MakeBox({{-17, 3.6, 49.5}, {2.4, 1, 1.4}}, kEye),
            MakeStrut({-12, 2.5, 51}, {-3, 6, 57}, 2.4, 0.4, 5, kGold),
            MakeStrut({-14, 3, 50.5}, {-9, 7.5, 53}, 1.6, 0.3, 4, kGold),
        }),
    });
}

Shape Arm() {
    return Joined({
        MakeStrut({-6, 6, 30}, {-10, 8, 24}, 3.2, 2.6, 5, kGreen),
        MakeStrut({-10, 8, 24}, {-15, 7.5, 25}, 2.6, 1.8, 5, kGreen),
        MakeStrut({-15, 7.5, 25}, {-17.5, 7.5, 23.5}, 1.4, 0.3, 4, kGold),
    });
}

// Built flat along x (back) and y (out), then raised and set on the shoulders.
Shape Wing() {
    const std::vector<Point2> membrane{{0, 0},   {12, 0},  {16, 8},  {25, 15}, {20, 19},
                                       {25, 28}, {17, 27}, {14, 37}, {3, 22}};
    const std::vector<Point3> joints{{0, 0, 1}, {3, 22, 1}, {14, 37, 1}, {25, 28, 1}, {25, 15, 1}};
    Shape wing = MakePlanProfile(membrane, -0.7, 0.7, kDeepGreen);
    wing.Append(MakeStrut(joints[0], joints[1], 2.4, 1.8, 4, kGold));
    for (int finger = 2; finger < 5; ++finger) {
        wing.Append(MakeStrut(joints[1], joints[finger], 1.6, 0.6, 4, kGold));
    }
    return Moved(Turned(wing, Axis::X, Radians(48)), {-4, 4, 37});
}

Shape Tail() {
    const std::vector<Point3> spine{{8, 0, 24}, {18, 0, 17}, {28, 0, 11}, {37, 0, 8}, {43, 0, 8.5}};
    const double widths[] = {7, 5.4, 4, 2.8, 1.8};
    Shape tail;
    for (int k = 0; k + 1 < 5; ++k) {
        tail.Append(MakeStrut(spine[k], spine[k + 1], widths[k], widths[k + 1], 6, kGreen));
    }
    tail.Append(MakeSideProfile({{41, 8.5}, {45, 5}, {50, 8.5}, {45, 12}}, -0.8, 0.8, kGold));
    for (int k = 0; k < 4; ++k) {
        const double height = 4 - 0.6 * k;
        const Point3 middle = spine[k] + Point3{2, 0, widths[k] / 2 - 0.5 + height / 2};
        tail.Append(MakeCone({middle, {3.2, 1.6, height}}, 4, kGold));
    }
    return tail;
}

}  // namespace

Shape MakeDragon() {
    Shape robot = Joined({Body(), Head(), Tail()});
    robot.Append(BothSides({Leg(), Arm(), Wing()}));
    return StandingOnGround(robot);
}

}  // namespace models
