// Moving and turning finished parts into place; every transform keeps faces wound outwards.
#pragma once

#include "shapes/shape.h"

namespace models {

void Move(shapes::Shape &shape, shapes::Point3 offset);

// Turns about an axis through the origin; positive angles (radians) turn counter-clockwise
// seen from the positive end of the axis.
void TurnAboutX(shapes::Shape &shape, double angle);
void TurnAboutY(shapes::Shape &shape, double angle);
void TurnAboutZ(shapes::Shape &shape, double angle);

// Moves the shape up or down so that its lowest vertex lies at z = 0.
void StandOnGround(shapes::Shape &shape);

}  // namespace models
