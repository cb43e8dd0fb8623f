// Moving, turning and stretching finished shapes, for every family of models.
#include "shape_transforms.h"

#include <cmath>
#include <stdexcept>

namespace models {

using shapes::Point3;
using shapes::Shape;

Shape Moved(Shape shape, Point3 offset) {
    for (Point3 &p : shape.vertices) p = p + offset;
    return shape;
}

Shape Stretched(Shape shape, Point3 factors) {
    // A negative factor would mirror the shape and turn every face inside out.
    if (!(factors.x > 0 && factors.y > 0 && factors.z > 0))
        throw std::invalid_argument("stretch factors must be positive");
    for (Point3 &p : shape.vertices) p = {p.x * factors.x, p.y * factors.y, p.z * factors.z};
    return shape;
}

Shape Turned(Shape shape, shapes::Axis axis, double radians) {
    const double cosine = std::cos(radians), sine = std::sin(radians);
    auto turn = [&](double &first, double &second) {
        const double turnedFirst = first * cosine - second * sine;
        second = first * sine + second * cosine;
        first = turnedFirst;
    };
    for (Point3 &p : shape.vertices) {
        switch (axis) {
            case shapes::Axis::X:
                turn(p.y, p.z);
                break;
            case shapes::Axis::Y:
                turn(p.z, p.x);
                break;
            case shapes::Axis::Z:
                turn(p.x, p.y);
                break;
        }
    }
    return shape;
}

}  // namespace models
