// My_Fream: the player's default robot, a balanced blue and white mech with a rifle and a shield.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Shape;

const shapes::Material kBlue = Paint(40, 90, 220, 0.5);
const shapes::Material kWhite = Paint(235, 235, 240, 0.4);
const shapes::Material kJoint = Paint(110, 115, 135, 0.3);
const shapes::Material kYellow = Paint(250, 205, 30, 0.6);
const shapes::Material kRed = Paint(225, 35, 40, 0.5);
const shapes::Material kEyes = Paint(80, 240, 140, 0.8);

Shape Leg() {
    return Joined({
        MakeSideProfile({{-9, 0}, {5, 0}, {5, 3}, {1, 5}, {-4, 5}, {-9, 2}}, 4.2, 9.8, kBlue),
        MakeLoft(EllipseOutline(6, 3.4, 3),
                 {{{0.5, 7, 4}, 0.85}, {{0, 7, 16}, 1.15}, {{0, 7, 20}, 0.95}}, kWhite),
        MakeSideProfile({{-3, 14}, {-1.5, 14}, {-1, 22}, {-4.5, 23.5}}, 5, 9, kBlue),
        MakeLoft(EllipseOutline(6, 3, 2.8), {{{0, 7, 19}, 0.9}, {{0, 6.5, 29}, 1.05}}, kJoint),
        MakeSideProfile({{-5, 24}, {4, 24}, {5, 31}, {-5, 31}}, 8.5, 11.5, kWhite),
    });
}

Shape Arm() {
    return Joined({
        AlongSegment(
            MakeLoft(EllipseOutline(8, 4.6, 4.6),
                     {{{0, 0, 0}, 0.7}, {{0, 0, 2.5}, 1}, {{0, 0, 6}, 1}, {{0, 0, 8}, 0.75}},
                     kWhite),
            {0, 9.5, 44}, {0, 17.5, 44.5}),
        MakeSideProfile({{-5, 46}, {3, 46}, {5, 43}, {5, 48}, {-3, 49.5}}, 11, 18.5, kBlue),
        MakeStrut({0, 14.5, 41}, {0.5, 15, 33}, 3.6, 3.2, 6, kJoint),
        MakeSphere({{0.5, 15, 33}, {4.4, 4.4, 4.4}}, 3, 6, kJoint),
        MakeStrut({0.5, 15, 33}, {-7, 15, 28.5}, 4.4, 5.2, 6, kWhite),
        MakeBox({{-9, 15, 28}, {3, 3, 3.4}}, kBlue),
    });
}

Shape Shield() {
    return Joined({
        MakeSideProfile({{-11, 27}, {-6, 20}, {1, 22}, {3, 30}, {0, 36}, {-8, 35}}, -19.5, -18,
                        kBlue),
        MakeSideProfile({{-6, 26}, {-3, 25}, {-2, 30}, {-5, 31}}, -20.2, -19.5, kYellow),
    });
}

Shape Rifle() {
    return Joined({
        MakeBox({{-9.5, 15, 29.5}, {11, 3, 3.6}}, kJoint),
        MakeStrut({-14, 15, 30}, {-26, 15, 30}, 2, 1.7, 6, kJoint),
        MakeBox({{-8, 15, 32.2}, {5, 2, 2}}, kBlue),
        MakeBox({{-6.5, 15, 26.8}, {2.2, 2.2, 3}}, kJoint),
        MakeBox({{-12.5, 15, 27}, {2.4, 1.6, 3.6}}, kBlue),
    });
}

Shape Trunk() {
    return Joined({
        MakeLoft(EllipseOutline(8, 5, 8.5), {{{0, 0, 26}, 0.8}, {{0, 0, 31}, 1}}, kJoint),
        MakeLoft(EllipseOutline(8, 4.5, 6), {{{0, 0, 30}, 0.9}, {{0, 0, 35}, 1}}, kJoint),
        MakeLoft(EllipseOutline(8, 6.5, 9.5),
                 {{{0.5, 0, 34}, 0.8}, {{0, 0, 40}, 1}, {{0.3, 0, 45}, 1.1}, {{0.8, 0, 48}, 0.85}},
                 kBlue),
        MakeFrontProfile({{-7.5, 41}, {7.5, 41}, {6, 47}, {-6, 47}}, -8.2, -5, kWhite),
        MakeFrontProfile({{-2, 36}, {2, 36}, {1.5, 39}, {-1.5, 39}}, -7, -5, kRed),
        MakeBox({{-8.4, 3.5, 44}, {1, 2.6, 1.6}}, kYellow),
        MakeBox({{-8.4, -3.5, 44}, {1, 2.6, 1.6}}, kYellow),
        MakeBox({{7.5, 0, 42}, {4, 10, 9}}, kJoint),
    });
}

Shape Thrusters() {
    Shape nozzle = MakeLathe({{1.5, 0}, {2.2, 1}, {1.8, 6}}, 6, kWhite);
    return Joined({
        Moved(nozzle, {10, 3.5, 35}),
        Moved(nozzle, {10, -3.5, 35}),
    });
}

Shape Head() {
    return Joined({
        MakeLoft(EllipseOutline(6, 2, 2), {{{0, 0, 47}, 1}, {{0, 0, 50}, 1}}, kJoint),
        MakeLoft(EllipseOutline(8, 4, 3.6),
                 {{{0, 0, 48.5}, 0.85}, {{0, 0, 52}, 1}, {{0.4, 0, 54.5}, 0.75}}, kWhite),
        MakeBox({{-3.9, 0, 52}, {1, 5, 1.3}}, kEyes),
        MakeFrontProfile({{-1.5, 48.5}, {1.5, 48.5}, {1, 50.5}, {-1, 50.5}}, -4.6, -3, kRed),
        MakeStrut({-4, 0.6, 53}, {-5, 5.5, 57.5}, 1, 0.4, 4, kYellow),
        MakeStrut({-4, -0.6, 53}, {-5, -5.5, 57.5}, 1, 0.4, 4, kYellow),
        MakeBox({{-4.2, 0, 53.5}, {1, 1.6, 1.6}}, kRed),
    });
}

}  // namespace

Shape MakeMyFream() {
    Shape robot = Joined({Trunk(), Head(), Thrusters(), Shield(), Rifle()});
    robot.Append(BothSides({Leg(), Arm()}));
    return StandingOnGround(robot);
}

}  // namespace models
