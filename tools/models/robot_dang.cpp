// Dang: the final boss, a huge dark armoured mech: spiked shoulders and knees, a horned helm with
// glowing red eyes, a burning core in its chest and a heavy cannon for each forearm.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Point2;
using shapes::Point3;
using shapes::Shape;

const shapes::Material kArmour = Paint(90, 88, 112, 0.6);
const shapes::Material kShadow = Paint(72, 62, 90, 0.4);
const shapes::Material kCrimson = Paint(185, 22, 40, 0.5);
const shapes::Material kSteel = Paint(190, 190, 205, 0.8);
const shapes::Material kGlow = Paint(255, 40, 25, 0.9);

// A spike from its base towards a point, four-sided so it stays sharp at any size.
Shape Spike(Point3 base, Point3 point, double width) {
    return MakeStrut(base, point, width, 0.3, 4, kSteel);
}

Shape Leg() {
    return Joined({
        MakeSideProfile({{-17, 0}, {12, 0}, {12, 6}, {6, 10}, {-8, 10}, {-17, 4}}, 7, 24, kShadow),
        Spike({-15, 10, 2}, {-23, 10, 0.5}, 3),
        Spike({-15, 21, 2}, {-23, 21, 0.5}, 3),
        MakeLoft(EllipseOutline(6, 7.5, 7),
                 {{{0, 15.5, 8}, 0.9}, {{-0.5, 15.5, 22}, 1.15}, {{0, 15.5, 32}, 1}}, kArmour),
        MakeSideProfile({{-10, 20}, {-5, 18}, {-4, 33}, {-8, 37}, {-11, 30}}, 10, 21, kCrimson),
        Spike({-9, 15.5, 31}, {-19, 15.5, 36}, 4.5),
        MakeLoft(EllipseOutline(6, 7, 6.5), {{{0, 15.5, 32}, 0.9}, {{0, 14, 47}, 1.1}}, kShadow),
        MakeSideProfile({{-9, 40}, {9, 40}, {10, 52}, {-10, 52}}, 17, 22, kArmour),
    });
}

Shape Trunk() {
    const auto chest = EllipseOutline(8, 14, 20);
    return Joined({
        MakeLoft(EllipseOutline(8, 11, 14), {{{0, 0, 43}, 0.9}, {{0, 0, 53}, 1}}, kShadow),
        MakeLoft(chest,
                 {{{1, 0, 51}, 0.75}, {{0, 0, 60}, 1}, {{0.5, 0, 70}, 1.08}, {{1.5, 0, 76}, 0.8}},
                 kArmour),
        MakeFrontProfile({{-13, 60}, {13, 60}, {17, 71}, {0, 74}, {-17, 71}}, -16.5, -12.5,
                         kShadow),
        MakeFrontProfile({{-4, 63}, {4, 63}, {5, 68}, {0, 71}, {-5, 68}}, -17.5, -15.5, kGlow),
        MakeFrontProfile({{-11, 45}, {11, 45}, {8, 52}, {-8, 52}}, -14, -10, kCrimson),
        MakeBox({{15, 0, 66}, {8, 24, 16}}, kShadow),
    });
}

Shape Exhaust() {
    return Joined({
        MakeStrut({17, 7, 68}, {22, 9, 84}, 5, 4, 6, kArmour),
        Spike({22, 9, 84}, {24, 10, 90}, 3.5),
    });
}

Shape Shoulder() {
    return Joined({
        AlongSegment(
            MakeLoft(EllipseOutline(8, 10, 10),
                     {{{0, 0, 0}, 0.7}, {{0, 0, 4}, 1}, {{0, 0, 12}, 1}, {{0, 0, 16}, 0.7}},
                     kArmour),
            {0, 16, 70}, {0, 32, 73}),
        MakeSideProfile({{-11, 74}, {10, 74}, {12, 80}, {-10, 82}}, 19, 33, kCrimson),
        Spike({0, 27, 81}, {2, 30, 93}, 5),
        Spike({-5, 31, 78}, {-9, 39, 87}, 4.5),
        Spike({6, 31, 78}, {11, 39, 86}, 4.5),
    });
}

Shape Arm() {
    return Joined({
        MakeStrut({0, 28, 66}, {1, 30, 54}, 8, 7, 6, kShadow),
        AlongSegment(
            MakeLoft(EllipseOutline(8, 7, 7),
                     {{{0, 0, 0}, 1}, {{0, 0, 6}, 1.15}, {{0, 0, 20}, 1}, {{0, 0, 23}, 0.8}},
                     kArmour),
            {8, 31, 53}, {-15, 31, 50}),
        AlongSegment(
            MakeLoft(EllipseOutline(8, 4.5, 4.5),
                     {{{0, 0, 0}, 1}, {{0, 0, 16}, 1}, {{0, 0, 18}, 1.3}, {{0, 0, 22}, 1.3}},
                     kShadow),
            {-14, 31, 50}, {-36, 31, 48.5}),
        AlongSegment(MakeLathe({{4.6, 0}, {3.6, 0.6}}, 8, kGlow), {-35.9, 31, 48.5},
                     {-36.6, 31, 48.45}),
        MakeSideProfile({{-10, 57}, {6, 57}, {8, 61}, {-12, 60}}, 29, 33, kCrimson),
    });
}

Shape Head() {
    return Joined({
        MakeLoft(
            EllipseOutline(8, 8, 8.5),
            {{{-3, 0, 73}, 0.85}, {{-3.5, 0, 79}, 1}, {{-2.5, 0, 84}, 0.8}, {{-1, 0, 87}, 0.4}},
            kShadow),
        MakeFrontProfile({{-6, 74}, {6, 74}, {4.5, 78.5}, {-4.5, 78.5}}, -12, -9.5, kArmour),
        MakeSideProfile({{-10, 84}, {-4, 85}, {6, 88}, {-6, 86.5}}, -1, 1, kCrimson),
        BothSides({
            MakeFrontProfile({{1, 80}, {6.5, 81.5}, {6, 83.5}, {1, 82}}, -11.8, -9.5, kGlow),
            MakeStrut({-4, 6, 83}, {2, 13, 91}, 3.6, 2.4, 5, kSteel),
            MakeStrut({2, 13, 91}, {0, 15, 98}, 2.4, 1.4, 4, kSteel),
            MakeStrut({0, 15, 98}, {-6, 15.5, 102}, 1.4, 0.2, 4, kSteel),
        }),
    });
}

}  // namespace

Shape MakeDang() {
    Shape robot = Joined({Trunk(), Head()});
    robot.Append(BothSides({Leg(), Shoulder(), Arm(), Exhaust()}));
    // Modelled a little larger than the boss should stand, for round numbers.
    return StandingOnGround(Stretched(robot, {0.88, 0.88, 0.88}));
}

}  // namespace models
