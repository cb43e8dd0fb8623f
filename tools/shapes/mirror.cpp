// Mirror images in y and the joining of a half with its mirror image.
#include "mirror.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace shapes {
namespace {

// How close to y = 0 a vertex must be to count as lying in the mirror plane.
double PlaneTolerance(const Shape &shape) {
    const Bounds bounds = BoundsOf(shape);
    double extent = std::max({Length(bounds.lowest), Length(bounds.highest), 1.0});
    return 1e-9 * extent;
}

bool LiesInPlane(const Shape &shape, const Face &face, double tolerance) {
    return std::all_of(face.corners.begin(), face.corners.end(), [&](int corner) {
        return std::fabs(shape.vertices[corner].y) <= tolerance;
    });
}

}  // namespace

Shape MirrorInY(const Shape &shape) {
    Shape mirrored = shape;
    for (Point3 &p : mirrored.vertices) p.y = -p.y;
    for (Face &face : mirrored.faces) std::reverse(face.corners.begin(), face.corners.end());
    return mirrored;
}

Shape JoinMirroredHalves(const Shape &half) {
    const double tolerance = PlaneTolerance(half);
    for (const Point3 &p : half.vertices) {
        if (p.y < -tolerance) throw std::invalid_argument("a half must lie on the +y side");
    }
    Shape whole;
    whole.materials = half.materials;
    std::vector<int> mirroredIndex;
    for (const Point3 &p : half.vertices) {
        bool inPlane = std::fabs(p.y) <= tolerance;
        Point3 onSide = {p.x, inPlane ? 0 : p.y, p.z};
        int index = whole.AddVertex(onSide);
        mirroredIndex.push_back(inPlane ? index : -1);
    }
    for (size_t i = 0; i < half.vertices.size(); ++i) {
        if (mirroredIndex[i] < 0) {
            const Point3 &p = half.vertices[i];
            mirroredIndex[i] = whole.AddVertex({p.x, -p.y, p.z});
        }
    }
    for (const Face &face : half.faces) {
        if (LiesInPlane(half, face, tolerance)) continue;
        whole.AddFace(face.corners, face.material);
        std::vector<int> mirrored;
        for (auto corner = face.corners.rbegin(); corner != face.corners.rend(); ++corner) {
            mirrored.push_back(mirroredIndex[*corner]);
        }
        whole.AddFace(mirrored, face.material);
    }
    return whole;
}

}  // namespace shapes
