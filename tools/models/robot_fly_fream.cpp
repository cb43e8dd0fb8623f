// FlyFream: a light flying mech in white and teal, with raised swept wings, a fighter's nose for
// a head and thruster boots.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Axis;
using shapes::Radians;
using shapes::Shape;

const shapes::Material kWhite = Paint(235, 240, 245, 0.5);
const shapes::Material kTeal = Paint(0, 175, 190, 0.5);
const shapes::Material kYellow = Paint(255, 215, 40, 0.6);
const shapes::Material kJoint = Paint(105, 115, 130, 0.3);
const shapes::Material kFlame = Paint(255, 120, 20, 0.3);
const shapes::Material kCanopy = Paint(90, 220, 255, 0.8);

Shape Leg() {
    return Joined({
        Moved(MakeLathe({{2.4, 0}, {3.2, 1.2}, {2.2, 5}}, 6, kFlame), {0, 6, 0}),
        MakeLoft(EllipseOutline(6, 3.2, 2.8),
                 {{{0, 6, 4.5}, 1.1}, {{-0.5, 6, 11}, 0.95}, {{0, 6, 17}, 0.8}}, kWhite),
        MakeSideProfile({{-3.6, 9}, {-1.5, 8}, {-1, 16}, {-3.5, 18}}, 4.5, 7.5, kTeal),
        MakeLoft(EllipseOutline(6, 2.6, 2.4), {{{0, 6, 16}, 0.9}, {{0.5, 5, 26}, 1.1}}, kTeal),
    });
}

Shape Arm() {
    return Joined({
        AlongSegment(
            MakeLoft(EllipseOutline(6, 3.2, 3.2), {{{0, 0, 0}, 0.8}, {{0, 0, 4}, 1}}, kTeal),
            {0, 7.5, 37.5}, {0, 12, 38}),
        MakeStrut({0, 11, 36}, {0.5, 12, 29}, 2.6, 2.2, 6, kJoint),
        MakeStrut({0.5, 12, 29}, {-6, 12, 26}, 3.2, 3.8, 6, kWhite),
        MakeStrut({-6, 12, 27.5}, {-12, 12, 27.5}, 1.2, 1, 6, kJoint),
    });
}

// Built flat with its root on the x axis, then tipped so that its top also faces forward, and
// raised into a V.
Shape Wing() {
    Shape wing = Joined({
        MakePlanProfile({{0, 0},
                         {12, 0},
                         {17, 8},
                         {15, 11},
                         {24, 18},
                         {22, 21},
                         {30, 28},
                         {27, 32},
                         {15, 27},
                         {3, 14}},
                        -1, 1, kTeal),
        MakePlanProfile({{27, 32}, {30, 28}, {33, 30}, {30, 35}}, -0.7, 0.7, kYellow),
        MakePlanProfile({{1, 1}, {4, 1}, {28, 29.5}, {26, 30.5}}, 0.8, 1.6, kWhite),
    });
    return Moved(Turned(Turned(wing, Axis::Y, Radians(-30)), Axis::X, Radians(28)), {1, 3.5, 38});
}

Shape TailFin() {
    return MakeSideProfile({{7, 37}, {13, 37}, {17, 49}, {14, 49}}, 2.2, 3.4, kTeal);
}

Shape Engine() {
    return Joined({
        AlongSegment(MakeLathe({{0, 0}, {2.4, 1.5}, {2.8, 8}, {2.4, 10}}, 6, kWhite), {4, 4, 36},
                     {14, 4, 36}),
        AlongSegment(MakeLathe({{2, 0}, {1.4, 1.5}}, 6, kFlame), {14, 4, 36}, {15.5, 4, 36}),
    });
}

Shape Trunk() {
    return Joined({
        MakeLoft(EllipseOutline(8, 4.5, 7), {{{0, 0, 22}, 0.8}, {{0, 0, 27}, 1}}, kJoint),
        MakeLoft(EllipseOutline(8, 5, 6.5),
                 {{{0.5, 0, 26}, 0.75}, {{0, 0, 32}, 1}, {{0.5, 0, 38}, 1.15}, {{1, 0, 41}, 0.9}},
                 kWhite),
        MakeFrontProfile({{-5.5, 32}, {5.5, 32}, {7, 39}, {-7, 39}}, -6.5, -4.5, kTeal),
        MakeFrontProfile({{-1.5, 33}, {1.5, 33}, {2.5, 37}, {-2.5, 37}}, -7.2, -6, kYellow),
        BothSides({Engine()}),
        MakeBox({{5, 0, 36}, {4, 6, 7}}, kJoint),
    });
}

Shape Head() {
    // The nose and canopy are built along z for the length of the segments they are laid on.
    Shape nose = MakeLoft(
        EllipseOutline(6, 3.8, 3.4),
        {{{0, 0, 0}, 0.9}, {{0, 0, 6}, 1}, {{0, -0.5, 11}, 0.7}, {{0, -1, 16}, 0}}, kWhite);
    Shape canopy = MakeLoft(EllipseOutline(6, 1.8, 2.4),
                            {{{0, 0, 0}, 0.6}, {{0, 0, 3}, 1}, {{0, 0, 8.5}, 0}}, kCanopy);
    return Joined({
        AlongSegment(nose, {2, 0, 44}, {-14, 0, 42.5}),
        AlongSegment(canopy, {0, 0, 46.5}, {-8.5, 0, 45.5}),
        MakeSideProfile({{0, 46}, {6, 46}, {9, 51}, {6, 51}}, -0.6, 0.6, kTeal),
        MakeBox({{0, 0, 40}, {4, 4, 2}}, kJoint),
    });
}

}  // namespace

Shape MakeFlyFream() {
    Shape robot = Joined({Trunk(), Head()});
    robot.Append(BothSides({Leg(), Arm(), Wing(), TailFin()}));
    return StandingOnGround(robot);
}

}  // namespace models
