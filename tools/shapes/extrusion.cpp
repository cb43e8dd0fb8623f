// Extruding a 2D outline along an axis: side walls, and caps cut to the engine's corner limit.
#include "extrusion.h"

#include <algorithm>

#include "outline.h"
#include "placement_checks.h"

namespace shapes {
namespace {

// The point of outline coordinates (u, v) at position along on the extrusion axis.
Point3 OnAxis(Point2 p, Axis axis, double along) {
    switch (axis) {
        case Axis::X:
            return {along, p.u, p.v};
        case Axis::Y:
            return {p.u, along, p.v};
        case Axis::Z:
            break;
    }
    return {p.u, p.v, along};
}

// True when a counter-clockwise outline is also counter-clockwise seen from the axis's positive
// end: (u, v) along X is (y, z) and along Z is (x, y), both right-handed; along Y, (x, z) is not.
bool KeepsWinding(Axis axis) {
    return axis != Axis::Y;
}

void AddCap(Shape &shape, const std::vector<Point2> &outline, int first, bool reversed,
            int material) {
    auto corner = [&](int index) { return first + index; };
    if (IsConvexOutline(outline)) {
        std::vector<int> corners;
        for (int i = 0; i < static_cast<int>(outline.size()); ++i) corners.push_back(corner(i));
        if (reversed) std::reverse(corners.begin(), corners.end());
        shape.AddConvexFace(corners, material);
        return;
    }
    for (const auto &triangle : TriangulateOutline(outline)) {
        std::vector<int> corners{corner(triangle[0]), corner(triangle[1]), corner(triangle[2])};
        if (reversed) std::reverse(corners.begin(), corners.end());
        shape.AddFace(corners, material);
    }
}

}  // namespace

Shape MakeExtrusion(const std::vector<Point2> &outline, Axis axis, const Placement &placement,
                    const Material &material) {
    RequireSolidPlacement(placement);
    RequireSimpleOutline(outline);
    std::vector<Point2> ring = outline;
    if (SignedDoubleArea(ring) < 0) std::reverse(ring.begin(), ring.end());

    Shape solid;
    int paint = solid.AddMaterial(material);
    const int count = static_cast<int>(ring.size());
    const int low = 0, high = count;
    for (Point2 p : ring) solid.AddVertex(OnAxis(p, axis, 0));
    for (Point2 p : ring) solid.AddVertex(OnAxis(p, axis, 1));

    const bool keeps = KeepsWinding(axis);
    for (int k = 0; k < count; ++k) {
        int next = (k + 1) % count;
        std::vector<int> wall{low + k, low + next, high + next, high + k};
        if (!keeps) std::reverse(wall.begin(), wall.end());
        solid.AddFace(wall, paint);
    }
    AddCap(solid, ring, high, !keeps, paint);
    AddCap(solid, ring, low, keeps, paint);
    FitInto(solid, placement);
    return solid;
}

}  // namespace shapes
