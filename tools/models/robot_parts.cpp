// Builders for robot parts. Every solid here is one outline swept through scaled, moved
// copies, so side faces are trapezoids and stay flat.
#include "robot_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "shapes/extrusion.h"
#include "shapes/mirror.h"
#include "shapes/outline.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Point2;
using shapes::Point3;
using shapes::Shape;

enum class Ends { Capped, Looped };

// The first vertex of each cross-section; a cross-section of scale 0 is one vertex.
struct Section {
    int first;
    bool point;
};

void AddCap(Shape &shape, const std::vector<Point2> &outline, int first, bool facingDown,
            int material) {
    std::vector<std::vector<int>> pieces;
    if (shapes::IsConvexOutline(outline)) {
        std::vector<int> corners;
        for (int i = 0; i < static_cast<int>(outline.size()); ++i) corners.push_back(first + i);
        pieces.push_back(corners);
    } else {
        for (const auto &triangle : shapes::TriangulateOutline(outline)) {
            pieces.push_back({first + triangle[0], first + triangle[1], first + triangle[2]});
        }
    }
    for (std::vector<int> &piece : pieces) {
        if (facingDown) std::reverse(piece.begin(), piece.end());
        shape.AddConvexFace(piece, material);
    }
}

void AddWall(Shape &shape, Section lower, Section upper, int count, int material) {
    for (int k = 0; k < count; ++k) {
        int next = (k + 1) % count;
        if (lower.point) {
            shape.AddFace({lower.first, upper.first + next, upper.first + k}, material);
        } else if (upper.point) {
            shape.AddFace({lower.first + k, lower.first + next, upper.first}, material);
        } else {
            shape.AddFace(
                {lower.first + k, lower.first + next, upper.first + next, upper.first + k},
                material);
        }
    }
}

// Sweeps a counter-clockwise outline through the rings; with Ends::Looped the last ring joins
// the first and nothing is capped.
Shape Sweep(std::vector<Point2> outline, const std::vector<LoftRing> &rings, Ends ends,
            const shapes::Material &material) {
    shapes::RequireSimpleOutline(outline);
    if (rings.size() < 2) throw std::invalid_argument("a sweep needs two cross-sections");
    if (shapes::SignedDoubleArea(outline) < 0) std::reverse(outline.begin(), outline.end());
    Shape solid;
    const int paint = solid.AddMaterial(material);
    const int count = static_cast<int>(outline.size());
    std::vector<Section> sections;
    for (const LoftRing &ring : rings) {
        sections.push_back({static_cast<int>(solid.vertices.size()), ring.scale == 0});
        if (ring.scale == 0) {
            solid.AddVertex(ring.centre);
            continue;
        }
        for (Point2 p : outline) {
            solid.AddVertex(ring.centre + Point3{p.u * ring.scale, p.v * ring.scale, 0});
        }
    }
    for (size_t i = 0; i + 1 < sections.size(); ++i) {
        AddWall(solid, sections[i], sections[i + 1], count, paint);
    }
    if (ends == Ends::Looped) {
        AddWall(solid, sections.back(), sections.front(), count, paint);
        return solid;
    }
    if (!sections.front().point) AddCap(solid, outline, sections.front().first, true, paint);
    if (!sections.back().point) AddCap(solid, outline, sections.back().first, false, paint);
    return solid;
}

// The placement that keeps an outline at its own size: (u, v) on the two axes named by the
// extrusion axis, along spanning from..to.
shapes::Placement OwnSize(const std::vector<Point2> &outline, shapes::Axis axis, double from,
                          double to) {
    Point2 lowest = outline.front(), highest = outline.front();
    for (Point2 p : outline) {
        lowest = {std::min(lowest.u, p.u), std::min(lowest.v, p.v)};
        highest = {std::max(highest.u, p.u), std::max(highest.v, p.v)};
    }
    const Point2 middle{(lowest.u + highest.u) / 2, (lowest.v + highest.v) / 2};
    const Point2 size{highest.u - lowest.u, highest.v - lowest.v};
    const double along = (from + to) / 2, depth = std::fabs(to - from);
    switch (axis) {
        case shapes::Axis::X:
            return {{along, middle.u, middle.v}, {depth, size.u, size.v}};
        case shapes::Axis::Y:
            return {{middle.u, along, middle.v}, {size.u, depth, size.v}};
        case shapes::Axis::Z:
            break;
    }
    return {{middle.u, middle.v, along}, {size.u, size.v, depth}};
}

}  // namespace

shapes::Material Paint(int red, int green, int blue, double highlight) {
    return {static_cast<uint8_t>(red), static_cast<uint8_t>(green), static_cast<uint8_t>(blue),
            highlight};
}

std::vector<Point2> EllipseOutline(int corners, double halfWidthU, double halfWidthV) {
    std::vector<Point2> outline;
    for (int k = 0; k < corners; ++k) {
        double angle = std::numbers::pi * (2.0 * k + 1.0) / corners;
        outline.push_back({halfWidthU * std::cos(angle), halfWidthV * std::sin(angle)});
    }
    return outline;
}

Shape MakeLoft(const std::vector<Point2> &outline, const std::vector<LoftRing> &rings,
               const shapes::Material &material) {
    return Sweep(outline, rings, Ends::Capped, material);
}

Shape MakeSideProfile(const std::vector<Point2> &outline, double yFrom, double yTo,
                      const shapes::Material &material) {
    return shapes::MakeExtrusion(outline, shapes::Axis::Y,
                                 OwnSize(outline, shapes::Axis::Y, yFrom, yTo), material);
}

Shape MakePlanProfile(const std::vector<Point2> &outline, double zFrom, double zTo,
                      const shapes::Material &material) {
    return shapes::MakeExtrusion(outline, shapes::Axis::Z,
                                 OwnSize(outline, shapes::Axis::Z, zFrom, zTo), material);
}

Shape MakeFrontProfile(const std::vector<Point2> &outline, double xFrom, double xTo,
                       const shapes::Material &material) {
    return shapes::MakeExtrusion(outline, shapes::Axis::X,
                                 OwnSize(outline, shapes::Axis::X, xFrom, xTo), material);
}

Shape MakeLathe(const std::vector<Point2> &profile, int segments,
                const shapes::Material &material) {
    std::vector<LoftRing> rings;
    for (Point2 p : profile) rings.push_back({{0, 0, p.v}, p.u});
    return Sweep(EllipseOutline(segments, 1, 1), rings, Ends::Capped, material);
}

Shape MakeFlatRing(double radius, double thickness, int segments, int tubeSides,
                   const shapes::Material &material) {
    std::vector<LoftRing> rings;
    for (Point2 p : EllipseOutline(tubeSides, thickness / 2, thickness / 2)) {
        rings.push_back({{0, 0, p.v}, radius + p.u});
    }
    return Sweep(EllipseOutline(segments, 1, 1), rings, Ends::Looped, material);
}

Shape MakeStrut(Point3 from, Point3 to, double width, double endWidth, int sides,
                const shapes::Material &material) {
    const double length = shapes::Length(to - from);
    Shape rod = MakeLoft(EllipseOutline(sides, width / 2, width / 2),
                         {{{0, 0, 0}, 1}, {{0, 0, length}, endWidth / width}}, material);
    return AlongSegment(rod, from, to);
}

Shape Joined(const std::vector<Shape> &parts) {
    Shape whole;
    for (const Shape &part : parts) whole.Append(part);
    return whole;
}

Shape BothSides(const std::vector<Shape> &leftParts) {
    return shapes::JoinMirroredHalves(Joined(leftParts));
}

}  // namespace models
