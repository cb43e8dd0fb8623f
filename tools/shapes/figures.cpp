// Ready-made models assembled from the builders. Robot measures are in fortieths of its height.
#include "figures.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "extrusion.h"
#include "mirror.h"
#include "solids.h"
#include "transforms.h"

namespace shapes {
namespace {

std::vector<Point2> Circle(int corners) {
    std::vector<Point2> circle;
    for (int k = 0; k < corners; ++k) {
        double angle = 2 * std::numbers::pi * k / corners;
        circle.push_back({std::cos(angle), std::sin(angle)});
    }
    return circle;
}

// One leg and one arm on the +y side, in fortieths of the robot's height.
Shape RobotSide(const RobotPaint &paint) {
    Shape side;
    side.Append(MakeBox({{1, 5, 1}, {8, 4, 2}}, paint.trim));
    side.Append(MakePrism({{0, 5, 7}, {3.5, 3.5, 10}}, 8, paint.armour));
    side.Append(MakeSphere({{0, 5, 12.5}, {4.4, 4.4, 4.4}}, 4, 8, paint.joints));
    side.Append(MakePrism({{0, 5, 17}, {4, 4, 8}}, 8, paint.armour));
    side.Append(MakeSphere({{0, 10, 30}, {6, 6, 6}}, 6, 10, paint.joints));
    side.Append(MakePrism({{0, 11, 25}, {3, 3, 8}}, 8, paint.armour));
    side.Append(MakeExtrusion(Circle(12), Axis::X, {{4, 11, 21.5}, {13, 3, 3}}, paint.trim));
    return side;
}

// Hip, chest, head, visor and antenna, centred on y = 0.
Shape RobotTrunk(const RobotPaint &paint) {
    const std::vector<Point2> chestProfile{{-4, 0}, {4, 0}, {6, 6}, {5, 10}, {-4, 10}, {-5, 5}};
    Shape trunk;
    trunk.Append(MakeBox({{0, 0, 22}, {6, 12, 3}}, paint.joints));
    trunk.Append(
        MakeExtrusion(chestProfile, Axis::Y, {{0.5, 0, 28.5}, {11, 15, 10}}, paint.armour));
    trunk.Append(MakeSphere({{1, 0, 36}, {7, 6, 5.5}}, 8, 12, paint.armour));
    trunk.Append(MakeBox({{4.2, 0, 36.5}, {1.2, 4, 1.2}}, paint.trim));
    trunk.Append(MakeCone({{-1, 0, 39.25}, {1, 1, 1.5}}, 6, paint.trim));
    return trunk;
}

}  // namespace

Shape MakeRobotFigure(double height, const RobotPaint &paint) {
    Shape robot = RobotTrunk(paint);
    robot.Append(JoinMirroredHalves(RobotSide(paint)));
    const double scale = height / 40;
    return Stretched(robot, {scale, scale, scale});
}

Shape MakeBlockTower(double width, const Material &walls, const Material &roof) {
    Shape tower = MakeBox({{0, 0, width * 0.4}, {width, width, width * 0.8}}, walls);
    tower.Append(MakePyramid({{0, 0, width * 1.05}, {width, width, width * 0.5}}, roof));
    return tower;
}

Shape MakeBoulder(double width, const Material &stone) {
    return MakeSphere({{0, 0, width * 0.3}, {width, width * 0.8, width * 0.6}}, 5, 7, stone);
}

Shape MakePillar(double width, const Material &stone) {
    Shape pillar = MakePrism({{0, 0, width * 0.1}, {width, width, width * 0.2}}, 12, stone);
    pillar.Append(
        MakePrism({{0, 0, width * 0.9}, {width * 0.6, width * 0.6, width * 1.4}}, 12, stone));
    return pillar;
}

Shape MakeMissile(double length, const Material &body, const Material &nose) {
    const double thickness = length / 6;
    Shape missile =
        MakePrism({{0, 0, length * 0.35}, {thickness, thickness, length * 0.7}}, 6, body);
    missile.Append(
        MakeCone({{0, 0, length * 0.85}, {thickness, thickness, length * 0.3}}, 6, nose));
    // Built along z from 0 to length; turned forward and centred on the origin.
    TurnUpToForward(missile);
    return Moved(missile, {-length / 2, 0, 0});
}

}  // namespace shapes
