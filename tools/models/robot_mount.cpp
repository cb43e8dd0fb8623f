// Mount: a heavy walker shaped like a mountain range: a craggy grey body rising to a snow-capped
// summit, a peak on each broad shoulder, arm cannons and short thick brown legs.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Point3;
using shapes::Shape;

const shapes::Material kRock = Paint(150, 140, 128, 0.2);
const shapes::Material kBrown = Paint(150, 95, 50, 0.3);
const shapes::Material kSnow = Paint(245, 245, 250, 0.5);
const shapes::Material kJoint = Paint(100, 90, 85, 0.3);
const shapes::Material kEye = Paint(255, 205, 40, 0.8);
const shapes::Material kBore = Paint(70, 60, 55, 0.2);

// A square-based peak from base to apex whose top part, from snowLine (0..1) up, is snow.
Shape Peak(Point3 base, Point3 apex, double width, double snowLine) {
    const double height = shapes::Length(apex - base);
    const auto square = EllipseOutline(4, width / 2, width / 2);
    const double snowWidth = 1 - snowLine;
    return AlongSegment(
        Joined(
            {MakeLoft(square, {{{0, 0, 0}, 1}, {{0, 0, snowLine * height}, snowWidth}}, kRock),
             MakeLoft(square, {{{0, 0, snowLine * height}, snowWidth * 1.06}, {{0, 0, height}, 0}},
                      kSnow)}),
        base, apex);
}

Shape Trunk() {
    const auto outline = EllipseOutline(6, 12, 16);
    return Joined({
        MakeLoft(EllipseOutline(6, 9, 14), {{{0, 0, 19}, 1}, {{0, 0, 27}, 1.05}}, kBrown),
        MakeLoft(
            outline,
            {{{0, 0, 25}, 0.8}, {{-0.5, 0, 37}, 1.05}, {{0.5, 0, 47}, 0.75}, {{1, 0, 51}, 0.5}},
            kRock),
        MakeLoft(outline, {{{1, 0, 50.5}, 0.52}, {{1.5, 0, 64}, 0}}, kSnow),
        MakeFrontProfile({{-6.5, 43}, {6.5, 43}, {5.5, 45}, {-5.5, 45}}, -10.5, -8, kEye),
        MakeFrontProfile({{-9, 30}, {-3, 30}, {-2, 34}, {-8, 35}}, -12.5, -9.5, kJoint),
        MakeFrontProfile({{3, 30}, {9, 30}, {8, 35}, {2, 34}}, -12.5, -9.5, kJoint),
        Peak({9, 0, 36}, {14, 0, 50}, 12, 0.6),
    });
}

Shape Shoulder() {
    return Joined({
        MakeLoft(EllipseOutline(5, 9, 8),
                 {{{0, 22, 31}, 1}, {{0, 22, 38}, 1.1}, {{0, 22, 41}, 0.9}}, kBrown),
        Peak({0, 20, 38}, {2, 27, 58}, 17, 0.6),
        Peak({4, 27, 36}, {7, 32, 48}, 10, 0.55),
    });
}

Shape Arm() {
    return Joined({
        MakeStrut({0, 24, 33}, {0.5, 25, 25}, 7, 6.5, 6, kJoint),
        MakeStrut({1, 25, 26}, {-12, 25, 20.5}, 11, 12, 6, kRock),
        MakeStrut({-12, 25, 20.5}, {-16.5, 25, 18.6}, 5.5, 5.5, 6, kBrown),
        MakeStrut({-16, 25, 18.8}, {-17, 25, 18.4}, 3.2, 3.2, 6, kBore),
    });
}

Shape Leg() {
    return Joined({
        MakeSideProfile({{-12, 0}, {9, 0}, {9, 4}, {5, 7}, {-6, 7}, {-12, 3}}, 5, 19, kRock),
        MakeLoft(EllipseOutline(6, 6, 5.5),
                 {{{0, 12, 6}, 1.05}, {{-0.5, 12, 13}, 1.15}, {{0, 11.5, 22}, 1}}, kBrown),
        MakeSideProfile({{-7.5, 10}, {-3, 9}, {-2.5, 17}, {-7, 18.5}}, 8, 16, kRock),
    });
}

}  // namespace

Shape MakeMount() {
    Shape robot = Trunk();
    robot.Append(BothSides({Shoulder(), Arm(), Leg()}));
    return StandingOnGround(robot);
}

}  // namespace models
