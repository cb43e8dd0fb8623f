// Moving, turning and stretching finished shapes. Turns and the carrying along a segment are
// linear maps given by where they send the three axes.
#include "transforms.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace shapes {
namespace {

// The shape with every vertex sent to x * xAxis + y * yAxis + z * zAxis.
Shape Transformed(Shape shape, Point3 xAxis, Point3 yAxis, Point3 zAxis) {
    for (Point3 &p : shape.vertices) p = xAxis * p.x + yAxis * p.y + zAxis * p.z;
    return shape;
}

}  // namespace

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

Shape Turned(Shape shape, Axis axis, double radians) {
    const double c = std::cos(radians), s = std::sin(radians);
    switch (axis) {
        case Axis::X:
            return Transformed(std::move(shape), {1, 0, 0}, {0, c, s}, {0, -s, c});
        case Axis::Y:
            return Transformed(std::move(shape), {c, 0, -s}, {0, 1, 0}, {s, 0, c});
        case Axis::Z:
            break;
    }
    return Transformed(std::move(shape), {c, s, 0}, {-s, c, 0}, {0, 0, 1});
}

Shape AlongSegment(Shape shape, Point3 from, Point3 to, Point3 uprightAcross) {
    if (Length(to - from) == 0) throw std::invalid_argument("a segment needs two distinct ends");
    const Point3 along = Unit(to - from);
    const Point3 level = Cross({0, 0, 1}, along);
    const Point3 across = Length(level) > 1e-9 ? Unit(level) : uprightAcross;
    return Moved(Transformed(std::move(shape), across, Cross(along, across), along), from);
}

Shape StandingOnGround(Shape shape) {
    const double lowest = BoundsOf(shape).lowest.z;
    return Moved(std::move(shape), {0, 0, -lowest});
}

}  // namespace shapes
