// HotDog: a stubby fighter whose long rounded red body lies between two mustard side pods, with a
// mustard zigzag along its back, twin guns under the nose and short thick legs.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Point2;
using shapes::Shape;

const shapes::Material kRed = Paint(205, 45, 35, 0.5);
const shapes::Material kMustard = Paint(235, 180, 30, 0.4);
const shapes::Material kJoint = Paint(120, 100, 90, 0.3);
const shapes::Material kGun = Paint(140, 140, 150, 0.6);
const shapes::Material kCanopy = Paint(100, 215, 255, 0.8);
const shapes::Material kLamp = Paint(255, 250, 190, 0.8);

constexpr double kBodyHeight = 24;

Shape Body() {
    const std::vector<Point2> profile{{0, 0},     {5, 1},      {8.8, 3.5}, {10.5, 8},
                                      {10.5, 50}, {8.8, 54.5}, {5, 57},    {0, 58}};
    return AlongSegment(MakeLathe(profile, 8, kRed), {29, 0, kBodyHeight}, {-29, 0, kBodyHeight});
}

// A zigzag band lying along the top of the body.
Shape Mustard() {
    std::vector<Point2> upper, lower;
    for (int k = 0; k <= 8; ++k) {
        double x = -4 + 3.5 * k, y = k % 2 == 0 ? 2.5 : -2.5;
        upper.push_back({x, y + 1.3});
        lower.push_back({x, y - 1.3});
    }
    std::vector<Point2> band(lower.begin(), lower.end());
    band.insert(band.end(), upper.rbegin(), upper.rend());
    return MakePlanProfile(band, kBodyHeight + 9, kBodyHeight + 10.8, kMustard);
}

Shape Cockpit() {
    return Joined({
        AlongSegment(MakeLoft(EllipseOutline(6, 3.6, 3),
                              {{{0, 0, 0}, 0.7}, {{0, 0, 4}, 1}, {{0, 0, 9}, 0.9}, {{0, 0, 13}, 0}},
                              kCanopy),
                     {-7, 0, kBodyHeight + 9}, {-20, 0, kBodyHeight + 7}),
        MakeSideProfile({{18, 33}, {26, 33}, {29, 45}, {25, 45}}, -1, 1, kMustard),
    });
}

Shape Pod() {
    const std::vector<Point2> profile{{0, 0}, {3.5, 1.5}, {5.5, 5}, {5.5, 38}, {3.5, 42}, {0, 44}};
    return AlongSegment(MakeLathe(profile, 6, kMustard), {22, 11, 18}, {-22, 11, 18});
}

Shape Gun() {
    return Joined({
        MakeBox({{-20, 5.5, 15.5}, {8, 3.5, 3.5}}, kJoint),
        MakeStrut({-24, 5.5, 15.5}, {-35, 5.5, 15.5}, 2, 1.6, 6, kGun),
        AlongSegment(MakeLathe({{2, 0}, {1.7, 4}}, 6, kLamp), {-24.8, 3.4, kBodyHeight + 1},
                     {-28.8, 3.4, kBodyHeight + 1}),
    });
}

Shape Leg() {
    return Joined({
        MakeSideProfile({{-9, 0}, {8, 0}, {8, 3}, {5, 5}, {-5, 5}, {-9, 2.5}}, 3.5, 11.5, kMustard),
        MakeLoft(EllipseOutline(6, 3.6, 3.6),
                 {{{0, 7.5, 4}, 1.1}, {{0, 7.5, 9}, 1.2}, {{0.5, 7.5, 15}, 1}}, kJoint),
        MakeSphere({{0.5, 7.5, 15}, {8, 8, 8}}, 3, 6, kRed),
        MakeSideProfile({{-4.5, 6}, {-2.5, 5.5}, {-2, 12}, {-4.5, 13}}, 5.5, 9.5, kRed),
    });
}

}  // namespace

Shape MakeHotDog() {
    Shape robot = Joined({Body(), Mustard(), Cockpit()});
    robot.Append(BothSides({Pod(), Gun(), Leg()}));
    return StandingOnGround(robot);
}

}  // namespace models
