// Geometric checks on built shapes, written independently of the builders they check.
#include "mesh_checks.h"

#include <cmath>
#include <map>
#include <utility>

using shapes::Face;
using shapes::Point3;
using shapes::Shape;

namespace {

struct FloatVector {
    float x, y, z;
};

FloatVector ToFloat(Point3 p) {
    return {float(p.x), float(p.y), float(p.z)};
}

FloatVector Minus(FloatVector a, FloatVector b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

float FloatLength(FloatVector v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

FloatVector Scaled(FloatVector v, float scale) {
    return {v.x * scale, v.y * scale, v.z * scale};
}

// Möller-Trumbore: true when the ray origin + t * direction, t > 0, meets triangle a, b, c.
bool RayMeetsTriangle(Point3 origin, Point3 direction, Point3 a, Point3 b, Point3 c) {
    Point3 edge1 = b - a, edge2 = c - a;
    Point3 p = shapes::Cross(direction, edge2);
    double determinant = shapes::Dot(edge1, p);
    if (std::fabs(determinant) < 1e-15) return false;
    Point3 toOrigin = origin - a;
    double u = shapes::Dot(toOrigin, p) / determinant;
    if (u < 0 || u > 1) return false;
    Point3 q = shapes::Cross(toOrigin, edge1);
    double v = shapes::Dot(direction, q) / determinant;
    if (v < 0 || u + v > 1) return false;
    return shapes::Dot(edge2, q) / determinant > 0;
}

}  // namespace

std::optional<Point3> EngineNormal(const Shape &shape, const Face &face) {
    const size_t count = face.corners.size();
    for (size_t start = 0; start < count; ++start) {
        FloatVector p0 = ToFloat(shape.vertices[face.corners[start]]);
        FloatVector p1 = ToFloat(shape.vertices[face.corners[(start + 1) % count]]);
        FloatVector p2 = ToFloat(shape.vertices[face.corners[(start + 2) % count]]);
        FloatVector a = Minus(p1, p0), b = Minus(p2, p1);
        float lengthA = FloatLength(a), lengthB = FloatLength(b);
        if (lengthA == 0 || lengthB == 0) continue;
        a = Scaled(a, 1 / lengthA);
        b = Scaled(b, 1 / lengthB);
        FloatVector n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
        float lengthN = FloatLength(n);
        if (lengthN == 0) continue;
        return Point3{n.x / lengthN, n.y / lengthN, n.z / lengthN};
    }
    return std::nullopt;
}

Point3 FaceCentre(const Shape &shape, const Face &face) {
    Point3 sum;
    for (int corner : face.corners) sum = sum + shape.vertices[corner];
    return sum * (1.0 / face.corners.size());
}

std::string ClosureProblem(const Shape &shape) {
    std::map<std::pair<int, int>, int> edges;
    for (const Face &face : shape.faces) {
        for (size_t i = 0; i < face.corners.size(); ++i) {
            ++edges[{face.corners[i], face.corners[(i + 1) % face.corners.size()]}];
        }
    }
    for (const auto &[edge, uses] : edges) {
        std::string name = std::to_string(edge.first) + "->" + std::to_string(edge.second);
        if (uses != 1) return "edge " + name + " is used " + std::to_string(uses) + " times";
        auto reverse = edges.find({edge.second, edge.first});
        if (reverse == edges.end()) return "edge " + name + " has no reverse edge";
    }
    return {};
}

double SignedVolume(const Shape &shape) {
    double volume = 0;
    for (const Face &face : shape.faces) {
        const Point3 &first = shape.vertices[face.corners[0]];
        for (size_t i = 1; i + 1 < face.corners.size(); ++i) {
            const Point3 &b = shape.vertices[face.corners[i]];
            const Point3 &c = shape.vertices[face.corners[i + 1]];
            volume += shapes::Dot(first, shapes::Cross(b, c)) / 6;
        }
    }
    return volume;
}

bool IsInside(const Shape &shape, Point3 point) {
    // An irregular direction, so the ray does not run along edges of axis-aligned meshes.
    const Point3 direction{0.3141, 0.5772, 0.7548};
    int crossings = 0;
    for (const Face &face : shape.faces) {
        const Point3 &first = shape.vertices[face.corners[0]];
        for (size_t i = 1; i + 1 < face.corners.size(); ++i) {
            crossings += RayMeetsTriangle(point, direction, first, shape.vertices[face.corners[i]],
                                          shape.vertices[face.corners[i + 1]]);
        }
    }
    return crossings % 2 == 1;
}

std::string FlatConvexProblem(const Shape &shape) {
    for (size_t f = 0; f < shape.faces.size(); ++f) {
        const Face &face = shape.faces[f];
        std::optional<Point3> normal = EngineNormal(shape, face);
        if (!normal) return "face " + std::to_string(f) + " has no normal";
        const Point3 &origin = shape.vertices[face.corners[0]];
        const size_t count = face.corners.size();
        for (size_t i = 0; i < count; ++i) {
            const Point3 &a = shape.vertices[face.corners[i]];
            const Point3 &b = shape.vertices[face.corners[(i + 1) % count]];
            const Point3 &c = shape.vertices[face.corners[(i + 2) % count]];
            double scale = shapes::Length(b - a) + shapes::Length(c - b);
            if (std::fabs(shapes::Dot(a - origin, *normal)) > 1e-5 * (1 + scale))
                return "face " + std::to_string(f) + " is not flat";
            if (shapes::Dot(shapes::Cross(b - a, c - b), *normal) <= 0)
                return "face " + std::to_string(f) + " is not convex";
        }
    }
    return {};
}
