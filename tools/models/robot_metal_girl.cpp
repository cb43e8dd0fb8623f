// MetalGirl: a slender, graceful humanoid mech in silver and pink: long legs on pointed heels, a
// flared skirt of armour, a narrow waist, a visored head with swept twin tails, a beam rifle.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Point2;
using shapes::Shape;

const shapes::Material kSilver = Paint(225, 228, 240, 0.8);
const shapes::Material kPink = Paint(255, 105, 180, 0.5);
const shapes::Material kBlush = Paint(255, 185, 220, 0.5);
const shapes::Material kJoint = Paint(125, 120, 140, 0.4);
const shapes::Material kVisor = Paint(130, 90, 255, 0.8);

Shape Leg() {
    return Joined({
        MakeSideProfile({{-7, 0}, {-2, 0}, {1, 2.6}, {4, 6}, {1, 7}, {-5, 2.5}}, 3.4, 6.6, kPink),
        MakeStrut({3.5, 5, 0}, {3.5, 5, 4.5}, 1.6, 1.6, 4, kPink),
        MakeLoft(EllipseOutline(6, 2.6, 2.4),
                 {{{1, 5, 5}, 0.7}, {{0, 5, 14}, 1.1}, {{0, 5, 20}, 0.9}}, kSilver),
        MakeSideProfile({{-3.2, 13}, {-1.5, 13}, {-1, 21}, {-3.5, 22}}, 3.6, 6.4, kPink),
        MakeLoft(EllipseOutline(6, 2.8, 2.6), {{{0, 5, 20}, 0.85}, {{0, 5.2, 30}, 1.15}}, kSilver),
    });
}

Shape Arm() {
    return Joined({
        MakeSphere({{0, 9.5, 44}, {5.5, 5, 5}}, 3, 6, kSilver),
        MakeSideProfile({{-3, 45}, {3, 45}, {2, 48}, {-1.5, 48.5}}, 9, 12.5, kPink),
        MakeStrut({0, 10.5, 42}, {1, 11.5, 34}, 2.4, 2, 6, kSilver),
        MakeStrut({1, 11.5, 34}, {-5, 11, 29}, 2.2, 2.8, 6, kBlush),
        MakeBox({{-6.3, 10.9, 28.2}, {2, 1.6, 2.2}}, kJoint),
    });
}

Shape Rifle() {
    return Joined({
        MakeBox({{-7.5, 10.9, 29.5}, {7, 1.6, 2.4}}, kSilver),
        MakeStrut({-11, 10.9, 30}, {-22, 10.9, 30}, 1.1, 0.8, 6, kPink),
    });
}

Shape Trunk() {
    return Joined({
        MakeLoft(EllipseOutline(8, 6.5, 8.5),
                 {{{0.5, 0, 23.5}, 1.2}, {{0, 0, 28}, 0.85}, {{0, 0, 32}, 0.55}}, kPink),
        MakeLoft(
            EllipseOutline(8, 5, 7),
            {{{0, 0, 31}, 0.65}, {{-0.3, 0, 36}, 0.75}, {{-0.5, 0, 41}, 1}, {{0, 0, 45}, 0.85}},
            kSilver),
        MakeFrontProfile({{-4.5, 37.5}, {4.5, 37.5}, {5.5, 42}, {0, 43.5}, {-5.5, 42}}, -6, -4.3,
                         kPink),
        MakeLoft(EllipseOutline(6, 1.5, 1.5), {{{0, 0, 44}, 1}, {{0, 0, 48}, 1}}, kJoint),
        MakeBox({{6, 0, 40}, {4, 8, 7}}, kSilver),
    });
}

Shape Head() {
    return Joined({
        MakeLoft(
            EllipseOutline(8, 3.6, 3.2),
            {{{0, 0, 47}, 0.7}, {{-0.3, 0, 49.5}, 1}, {{0, 0, 53}, 0.95}, {{0.5, 0, 55.5}, 0.5}},
            kSilver),
        MakeFrontProfile({{-2.6, 50}, {2.6, 50}, {2.4, 52}, {-2.4, 52}}, -4, -2.9, kVisor),
        MakeSideProfile({{-3.5, 54.5}, {0, 55.5}, {3, 57}, {-1, 58.5}}, -0.6, 0.6, kPink),
    });
}

// Fairy-like vanes fanning out behind the shoulders, swept back.
Shape Vanes() {
    const std::vector<Point2> upper{{4, 43}, {8, 47}, {17, 58}, {18, 53}, {12, 44}, {6, 40.5}};
    const std::vector<Point2> lower{{4, 38.5}, {7, 37}, {13, 29}, {11, 27.5}, {4, 35}};
    return Turned(
        Joined({MakeFrontProfile(upper, 7, 8, kBlush), MakeFrontProfile(lower, 7, 8, kBlush)}),
        shapes::Axis::Z, shapes::Radians(-20));
}

// A swept twin tail hanging from the side of the head.
Shape HairTail() {
    const std::vector<Point2> tail{{0, 54}, {3, 54.5}, {8, 50}, {12, 36}, {9.5, 38}, {3, 51}};
    return MakeSideProfile(tail, 3.2, 4.8, kPink);
}

}  // namespace

Shape MakeMetalGirl() {
    Shape robot = Joined({Trunk(), Head(), Rifle()});
    robot.Append(BothSides({Leg(), Arm(), HairTail(), Vanes()}));
    return StandingOnGround(robot);
}

}  // namespace models
