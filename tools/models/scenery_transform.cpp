// Moving and turning finished parts into place.
#include "scenery_transform.h"

#include <cmath>

namespace models {

using shapes::Point3;

void Move(shapes::Shape &shape, Point3 offset) {
    for (Point3 &vertex : shape.vertices) vertex = vertex + offset;
}

void TurnAboutX(shapes::Shape &shape, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    for (Point3 &v : shape.vertices) v = {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

void TurnAboutY(shapes::Shape &shape, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    for (Point3 &v : shape.vertices) v = {c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
}

void TurnAboutZ(shapes::Shape &shape, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    for (Point3 &v : shape.vertices) v = {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
}

void StandOnGround(shapes::Shape &shape) {
    Move(shape, {0, 0, -shapes::BoundsOf(shape).lowest.z});
}

}  // namespace models
