// Ready-made models assembled from the builders: a robot figure, obstacles, a projectile.
#pragma once

#include "shape.h"

namespace shapes {

struct RobotPaint {
    Material armour;
    Material joints;
    Material trim;
};

// A robot standing on z = 0 around the z axis, facing +x, height units tall, left and right
// halves mirror images; about four hundred faces.
Shape MakeRobotFigure(double height, const RobotPaint &paint);

// Obstacles standing on z = 0 around the z axis, width units across.
Shape MakeBlockTower(double width, const Material &walls, const Material &roof);
Shape MakeBoulder(double width, const Material &stone);
Shape MakePillar(double width, const Material &stone);

// A missile length units long lying along +x with its middle at the origin.
Shape MakeMissile(double length, const Material &body, const Material &nose);

}  // namespace shapes
