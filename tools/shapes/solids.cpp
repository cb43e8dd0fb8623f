// Builders of closed solids. Each is made around the origin and then fitted to its placement.
#include "solids.h"

#include <cmath>
#include <numbers>

#include "placement_checks.h"

namespace shapes {
namespace {

// Corner k of a regular polygon on the unit circle, placed so that a flat side faces +x.
Point3 RingCorner(int k, int sides, double z) {
    double angle = std::numbers::pi * (2.0 * k + 1.0) / sides;
    return {std::cos(angle), std::sin(angle), z};
}

// Adds a ring of corners at height z, counter-clockwise seen from +z; returns the first index.
int AddRing(Shape &shape, int sides, double z) {
    int first = static_cast<int>(shape.vertices.size());
    for (int k = 0; k < sides; ++k) shape.AddVertex(RingCorner(k, sides, z));
    return first;
}

std::vector<int> RingCorners(int first, int sides, bool reversed) {
    std::vector<int> corners;
    for (int k = 0; k < sides; ++k) corners.push_back(first + (reversed ? sides - 1 - k : k));
    return corners;
}

}  // namespace

Shape MakeBox(const Placement &placement, const Material &material) {
    RequireSolidPlacement(placement);
    Shape box;
    int paint = box.AddMaterial(material);
    // Vertex i has the high x when bit 0 is set, the high y for bit 1 and the high z for bit 2.
    for (int i = 0; i < 8; ++i) {
        box.AddVertex({i & 1 ? 0.5 : -0.5, i & 2 ? 0.5 : -0.5, i & 4 ? 0.5 : -0.5});
    }
    box.AddFace({0, 2, 3, 1}, paint);  // bottom
    box.AddFace({4, 5, 7, 6}, paint);  // top
    box.AddFace({0, 4, 6, 2}, paint);  // back (-x)
    box.AddFace({1, 3, 7, 5}, paint);  // front (+x)
    box.AddFace({0, 1, 5, 4}, paint);  // right (-y)
    box.AddFace({2, 6, 7, 3}, paint);  // left (+y)
    FitInto(box, placement);
    return box;
}

Shape MakePrism(const Placement &placement, int sides, const Material &material) {
    RequireSolidPlacement(placement);
    RequireCount("prism sides", sides, 3, kMostDivisions);
    Shape prism;
    int paint = prism.AddMaterial(material);
    int bottom = AddRing(prism, sides, 0);
    int top = AddRing(prism, sides, 1);
    for (int k = 0; k < sides; ++k) {
        int next = (k + 1) % sides;
        prism.AddFace({bottom + k, bottom + next, top + next, top + k}, paint);
    }
    prism.AddConvexFace(RingCorners(top, sides, false), paint);
    prism.AddConvexFace(RingCorners(bottom, sides, true), paint);
    FitInto(prism, placement);
    return prism;
}

Shape MakeCone(const Placement &placement, int sides, const Material &material) {
    RequireSolidPlacement(placement);
    RequireCount("cone sides", sides, 3, kMostDivisions);
    Shape cone;
    int paint = cone.AddMaterial(material);
    int base = AddRing(cone, sides, 0);
    int apex = cone.AddVertex({0, 0, 1});
    for (int k = 0; k < sides; ++k) {
        cone.AddFace({base + k, base + (k + 1) % sides, apex}, paint);
    }
    cone.AddConvexFace(RingCorners(base, sides, true), paint);
    FitInto(cone, placement);
    return cone;
}

Shape MakePyramid(const Placement &placement, const Material &material) {
    return MakeCone(placement, 4, material);
}

Shape MakeSphere(const Placement &placement, int rings, int segments, const Material &material) {
    RequireSolidPlacement(placement);
    RequireCount("sphere rings", rings, 2, kMostDivisions);
    RequireCount("sphere segments", segments, 3, kMostDivisions);
    Shape sphere;
    int paint = sphere.AddMaterial(material);
    int north = sphere.AddVertex({0, 0, 1});
    // Latitude circle i (1..rings-1) counted from the north pole holds segments vertices.
    auto circleVertex = [&](int i, int j) { return 1 + (i - 1) * segments + j % segments; };
    for (int i = 1; i < rings; ++i) {
        double polar = std::numbers::pi * i / rings;
        for (int j = 0; j < segments; ++j) {
            Point3 corner = RingCorner(j, segments, 0);
            sphere.AddVertex(
                {corner.x * std::sin(polar), corner.y * std::sin(polar), std::cos(polar)});
        }
    }
    int south = sphere.AddVertex({0, 0, -1});
    for (int j = 0; j < segments; ++j) {
        sphere.AddFace({north, circleVertex(1, j), circleVertex(1, j + 1)}, paint);
        for (int i = 1; i + 1 < rings; ++i) {
            sphere.AddFace({circleVertex(i, j), circleVertex(i + 1, j), circleVertex(i + 1, j + 1),
                            circleVertex(i, j + 1)},
                           paint);
        }
        sphere.AddFace({south, circleVertex(rings - 1, j + 1), circleVertex(rings - 1, j)}, paint);
    }
    FitInto(sphere, placement);
    return sphere;
}

}  // namespace shapes
