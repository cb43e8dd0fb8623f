// Tests of moving, turning, stretching and carrying finished shapes: turn directions, the order
// transforms are applied in, and frames that stay right-handed so faces stay wound outwards.
#include <gtest/gtest.h>

#include <numbers>
#include <stdexcept>
#include <vector>

#include "shapes/solids.h"
#include "shapes/transforms.h"

using namespace shapes;

namespace {

const Material kRed{200, 40, 40, 0.5};

void ExpectNear(Point3 actual, Point3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

void ExpectBounds(const Shape &shape, Point3 lowest, Point3 highest) {
    const Bounds bounds = BoundsOf(shape);
    ExpectNear(bounds.lowest, lowest);
    ExpectNear(bounds.highest, highest);
}

Shape Points(const std::vector<Point3> &points) {
    Shape shape;
    for (Point3 point : points) shape.AddVertex(point);
    return shape;
}

TEST(Vector, UnitKeepsTheDirectionAtLengthOne) {
    ExpectNear(Unit({3, 0, -4}), {0.6, 0, -0.8});
    ExpectNear(Unit({0, 1e-3, 0}), {0, 1, 0});
}

TEST(Turn, TurnsCounterClockwiseSeenFromTheAxisPositiveEnd) {
    const Shape point = Points({{1, 2, 3}});
    // A quarter turn sends y to z about x, z to x about y and x to y about z.
    auto quarterTurned = [&](Axis axis) { return Turned(point, axis, Radians(90)).vertices[0]; };
    ExpectNear(quarterTurned(Axis::X), {1, -3, 2});
    ExpectNear(quarterTurned(Axis::Y), {3, 2, -1});
    ExpectNear(quarterTurned(Axis::Z), {-2, 1, 3});
    EXPECT_DOUBLE_EQ(Radians(180), std::numbers::pi);
}

TEST(Turn, TurnsAboutTheOriginSoTheOrderOfMovesAndTurnsCounts) {
    const Shape point = Points({{2, 0, 0}});
    // Turning after a move swings the moved shape round the origin, not round itself.
    ExpectNear(Turned(Moved(point, {0, 3, 0}), Axis::Z, Radians(90)).vertices[0], {-3, 2, 0});
    ExpectNear(Moved(Turned(point, Axis::Z, Radians(90)), {0, 3, 0}).vertices[0], {0, 5, 0});

    // Leaning about y and then heading about z tips a post outwards along the heading.
    const Shape post = Points({{0, 0, 1}});
    const Shape leaned = Turned(post, Axis::Y, Radians(90));
    ExpectNear(Turned(leaned, Axis::Z, Radians(90)).vertices[0], {0, 1, 0});
    ExpectNear(Turned(Turned(post, Axis::Z, Radians(90)), Axis::Y, Radians(90)).vertices[0],
               {1, 0, 0});
}

// Where AlongSegment sends the origin and the ends of the unit x, y and z axes.
struct Frame {
    Point3 origin, x, y, z;
};

Frame Carried(Point3 from, Point3 to, Point3 uprightAcross = {1, 0, 0}) {
    const Shape marks = Points({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    const Shape carried = AlongSegment(marks, from, to, uprightAcross);
    const Point3 origin = carried.vertices[0];
    return {origin, carried.vertices[1] - origin, carried.vertices[2] - origin,
            carried.vertices[3] - origin};
}

// x, y and z must stay a right-handed frame, or every carried face would turn inside out.
void ExpectRightHanded(const Frame &frame) {
    ExpectNear(Cross(frame.x, frame.y), frame.z);
}

TEST(AlongSegment, CarriesZFromOneEndTowardsTheOtherKeepingXLevel) {
    const Point3 from{1, 2, 3}, to{7, 10, 3};
    const Frame frame = Carried(from, to);
    ExpectNear(frame.origin, from);
    ExpectNear(frame.z, Unit(to - from));
    EXPECT_NEAR(frame.x.z, 0, 1e-9);
    ExpectRightHanded(frame);

    const Frame climbing = Carried(from, {-2, 6, 11});
    EXPECT_NEAR(climbing.x.z, 0, 1e-9);
    ExpectRightHanded(climbing);
}

TEST(AlongSegment, StraightUpOrDownSendsXToTheUprightDirectionGiven) {
    const Point3 from{1, 2, 3};
    const Frame up = Carried(from, from + Point3{0, 0, 10});
    ExpectNear(up.x, {1, 0, 0});
    ExpectNear(up.y, {0, 1, 0});

    const Frame down = Carried(from, from - Point3{0, 0, 10});
    ExpectNear(down.x, {1, 0, 0});
    ExpectNear(down.z, {0, 0, -1});
    ExpectRightHanded(down);

    const Frame upAlongY = Carried(from, from + Point3{0, 0, 10}, {0, 1, 0});
    ExpectNear(upAlongY.x, {0, 1, 0});
    ExpectNear(upAlongY.y, {-1, 0, 0});
    ExpectRightHanded(upAlongY);
}

TEST(AlongSegment, RefusesASegmentWhoseEndsAreOne) {
    EXPECT_THROW(AlongSegment(Points({{0, 0, 1}}), {1, 2, 3}, {1, 2, 3}), std::invalid_argument);
}

TEST(Move, MovingStretchingAndStandingOnTheGroundPlaceTheBounds) {
    const Shape box = MakeBox({{30, -12, 7}, {16, 10, 24}}, kRed);
    ExpectBounds(Moved(box, {1, 2, 3}), {23, -15, -2}, {39, -5, 22});
    ExpectBounds(Stretched(box, {2, 1, 0.5}), {44, -17, -2.5}, {76, -7, 9.5});
    ExpectBounds(StandingOnGround(box), {22, -17, 0}, {38, -7, 24});
}

TEST(Move, StretchingRefusesFactorsThatWouldMirrorOrFlatten) {
    const Shape box = MakeBox({{}, {1, 1, 1}}, kRed);
    EXPECT_THROW(Stretched(box, {1, -1, 1}), std::invalid_argument);
    EXPECT_THROW(Stretched(box, {1, 1, 0}), std::invalid_argument);
}

}  // namespace
