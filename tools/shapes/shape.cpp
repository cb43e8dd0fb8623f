// Assembling shapes: adding vertices, materials and faces, joining shapes, measuring them.
#include "shape.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace shapes {

int Shape::AddVertex(Point3 position) {
    vertices.push_back(position);
    return static_cast<int>(vertices.size()) - 1;
}

int Shape::AddMaterial(const Material &material) {
    auto found = std::find(materials.begin(), materials.end(), material);
    if (found != materials.end()) return static_cast<int>(found - materials.begin());
    materials.push_back(material);
    return static_cast<int>(materials.size()) - 1;
}

void Shape::AddFace(std::vector<int> corners, int material) {
    if (material < 0 || material >= static_cast<int>(materials.size()))
        throw std::out_of_range("face material is not in the shape");
    for (int corner : corners) {
        if (corner < 0 || corner >= static_cast<int>(vertices.size()))
            throw std::out_of_range("face corner is not a vertex of the shape");
    }
    faces.push_back(Face{std::move(corners), material});
}

void Shape::AddConvexFace(const std::vector<int> &corners, int material) {
    if (corners.size() <= kMostFaceCorners) {
        AddFace(corners, material);
        return;
    }
    // Each piece is the first corner plus a run of the outline; neighbouring runs share an end.
    const size_t runLength = kMostFaceCorners - 1;
    for (size_t start = 1; start + 1 < corners.size(); start += runLength - 1) {
        size_t end = std::min(start + runLength, corners.size());
        std::vector<int> piece{corners.front()};
        piece.insert(piece.end(), corners.begin() + start, corners.begin() + end);
        AddFace(std::move(piece), material);
    }
}

void Shape::Append(const Shape &other) {
    int firstVertex = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    std::vector<int> materialIndex;
    for (const Material &material : other.materials) materialIndex.push_back(AddMaterial(material));
    for (const Face &face : other.faces) {
        Face copy{face.corners, materialIndex.at(face.material)};
        for (int &corner : copy.corners) corner += firstVertex;
        faces.push_back(std::move(copy));
    }
}

Bounds BoundsOf(const Shape &shape) {
    if (shape.vertices.empty()) return Bounds{};
    Bounds bounds{shape.vertices.front(), shape.vertices.front()};
    for (const Point3 &p : shape.vertices) {
        bounds.lowest = {std::min(bounds.lowest.x, p.x), std::min(bounds.lowest.y, p.y),
                         std::min(bounds.lowest.z, p.z)};
        bounds.highest = {std::max(bounds.highest.x, p.x), std::max(bounds.highest.y, p.y),
                          std::max(bounds.highest.z, p.z)};
    }
    return bounds;
}

Point3 CentreOf(const Bounds &bounds) {
    return (bounds.lowest + bounds.highest) * 0.5;
}

namespace {

double FitCoordinate(double value, double lowest, double highest, double centre, double size) {
    double extent = highest - lowest;
    if (extent <= 0) return centre;
    return centre + ((value - lowest) / extent - 0.5) * size;
}

}  // namespace

void FitInto(Shape &shape, const Placement &placement) {
    const Bounds bounds = BoundsOf(shape);
    const Point3 &centre = placement.centre;
    const Point3 &size = placement.size;
    for (Point3 &p : shape.vertices) {
        p = {FitCoordinate(p.x, bounds.lowest.x, bounds.highest.x, centre.x, size.x),
             FitCoordinate(p.y, bounds.lowest.y, bounds.highest.y, centre.y, size.y),
             FitCoordinate(p.z, bounds.lowest.z, bounds.highest.z, centre.z, size.z)};
    }
}

void TurnUpToForward(Shape &shape) {
    for (Point3 &p : shape.vertices) p = {p.z, p.y, -p.x};
}

Point3 operator+(Point3 a, Point3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Point3 operator-(Point3 a, Point3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Point3 operator*(Point3 a, double scale) {
    return {a.x * scale, a.y * scale, a.z * scale};
}

double Dot(Point3 a, Point3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Point3 Cross(Point3 a, Point3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Length(Point3 a) {
    return std::sqrt(Dot(a, a));
}

Point3 Unit(Point3 a) {
    return a * (1 / Length(a));
}

}  // namespace shapes
