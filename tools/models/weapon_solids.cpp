// Solids the weapon and effect models are made of.
#include "weapon_solids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

#include "shapes/outline.h"
#include "shapes/transforms.h"
#include "weapon_outlines.h"

namespace models {

using shapes::Point2;
using shapes::Point3;
using shapes::Shape;

namespace {

bool IsFlat(const Shape &shape, const std::array<int, 4> &quad) {
    const Point3 &a = shape.vertices[quad[0]], &b = shape.vertices[quad[1]];
    const Point3 &c = shape.vertices[quad[2]], &d = shape.vertices[quad[3]];
    Point3 normal = shapes::Cross(b - a, c - b);
    double size = shapes::Length(c - a);
    return std::fabs(shapes::Dot(d - a, normal)) <= 1e-9 * size * shapes::Length(normal);
}

// The band between two rings of corners: one quad per step where it stays flat, else two
// triangles.
void AddBand(Shape &shape, int from, int to, int corners, int paint) {
    for (int j = 0; j < corners; ++j) {
        int next = (j + 1) % corners;
        std::array<int, 4> quad{from + j, from + next, to + next, to + j};
        if (IsFlat(shape, quad)) {
            shape.AddFace({quad.begin(), quad.end()}, paint);
        } else {
            shape.AddFace({quad[0], quad[1], quad[2]}, paint);
            shape.AddFace({quad[0], quad[2], quad[3]}, paint);
        }
    }
}

// Closes the ring at the loft's tail: one flat face when it is convex, else a fan round its
// middle (the outlines used are star-shaped about their middle).
void AddTailCap(Shape &shape, const LoftSection &last, int first, int paint) {
    const int corners = static_cast<int>(last.outline.size());
    std::vector<int> ring;
    for (int j = 0; j < corners; ++j) ring.push_back(first + j);
    if (shapes::IsConvexOutline(last.outline)) {
        shape.AddConvexFace(ring, paint);
        return;
    }
    Point2 middle;
    for (Point2 p : last.outline) middle = {middle.u + p.u / corners, middle.v + p.v / corners};
    int centre = shape.AddVertex({last.x, middle.u, middle.v});
    for (int j = 0; j < corners; ++j)
        shape.AddFace({centre, ring[j], ring[(j + 1) % corners]}, paint);
}

struct Polyhedral {
    std::vector<Point3> corners;
    std::vector<std::array<int, 3>> faces;
};

std::vector<Point3> UnitCorners(Polyhedron base) {
    const double golden = std::numbers::phi;
    std::vector<Point3> corners;
    switch (base) {
        case Polyhedron::Tetrahedron:
            corners = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
            break;
        case Polyhedron::Octahedron:
            corners = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
            break;
        case Polyhedron::Icosahedron:
            for (double first : {-1.0, 1.0}) {
                for (double second : {-golden, golden}) {
                    corners.push_back({0, first, second});
                    corners.push_back({first, second, 0});
                    corners.push_back({second, 0, first});
                }
            }
            break;
    }
    for (Point3 &corner : corners) corner = Unit(corner);
    return corners;
}

// The faces of these regular solids are exactly the triples of corners that are pairwise
// nearest neighbours; each is wound to face away from the centre.
Polyhedral MakePolyhedral(Polyhedron base) {
    Polyhedral solid{UnitCorners(base), {}};
    const std::vector<Point3> &corners = solid.corners;
    const int count = static_cast<int>(corners.size());
    double nearest = 1e30;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j)
            nearest = std::min(nearest, shapes::Length(corners[j] - corners[i]));
    }
    auto neighbours = [&](int i, int j) {
        return shapes::Length(corners[j] - corners[i]) < nearest * 1.001;
    };
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            for (int k = j + 1; k < count; ++k) {
                if (!neighbours(i, j) || !neighbours(j, k) || !neighbours(i, k)) continue;
                Point3 normal = shapes::Cross(corners[j] - corners[i], corners[k] - corners[j]);
                bool outward = shapes::Dot(normal, corners[i] + corners[j] + corners[k]) > 0;
                solid.faces.push_back(outward ? std::array{i, j, k} : std::array{i, k, j});
            }
        }
    }
    return solid;
}

}  // namespace

LoftSection RoundSection(double x, double radius, int sides, const shapes::Material &paint) {
    return {x, RegularOutline(sides, radius), paint};
}

Shape MakeLoft(Point3 nose, const std::vector<LoftSection> &sections, const LoftTail &tail) {
    if (sections.empty()) throw std::invalid_argument("a loft needs at least one section");
    const int corners = static_cast<int>(sections.front().outline.size());
    Shape loft;
    const int noseIndex = loft.AddVertex(nose);
    std::vector<int> firsts;
    for (const LoftSection &section : sections) {
        if (static_cast<int>(section.outline.size()) != corners || corners < 3)
            throw std::invalid_argument("loft sections need the same count of corners, 3 or more");
        firsts.push_back(static_cast<int>(loft.vertices.size()));
        for (Point2 p : section.outline) loft.AddVertex({section.x, p.u, p.v});
    }
    int paint = loft.AddMaterial(sections.front().paint);
    for (int j = 0; j < corners; ++j) {
        loft.AddFace({noseIndex, firsts.front() + (j + 1) % corners, firsts.front() + j}, paint);
    }
    for (size_t k = 1; k < sections.size(); ++k) {
        AddBand(loft, firsts[k - 1], firsts[k], corners, loft.AddMaterial(sections[k].paint));
    }
    int tailPaint = loft.AddMaterial(tail.paint);
    if (!tail.tip) {
        AddTailCap(loft, sections.back(), firsts.back(), tailPaint);
        return loft;
    }
    const int tip = loft.AddVertex(*tail.tip);
    for (int j = 0; j < corners; ++j) {
        loft.AddFace({firsts.back() + j, firsts.back() + (j + 1) % corners, tip}, tailPaint);
    }
    return loft;
}

Shape MakeSpikyBall(Polyhedron base, double core, double shortest, double longest, unsigned seed,
                    const shapes::Material &paint) {
    // A tip inside the core sphere could fall below its face and turn the spike inside out.
    if (!(core > 0 && shortest > core && longest >= shortest))
        throw std::invalid_argument("spikes must reach beyond the core");
    const Polyhedral solid = MakePolyhedral(base);
    Shape ball;
    const int colour = ball.AddMaterial(paint);
    for (const Point3 &corner : solid.corners) ball.AddVertex(corner * core);
    for (size_t f = 0; f < solid.faces.size(); ++f) {
        const auto [a, b, c] = solid.faces[f];
        double length = shortest + (longest - shortest) * Jitter(seed, static_cast<unsigned>(f));
        Point3 middle = solid.corners[a] + solid.corners[b] + solid.corners[c];
        int tip = ball.AddVertex(Unit(middle) * length);
        ball.AddFace({a, b, tip}, colour);
        ball.AddFace({b, c, tip}, colour);
        ball.AddFace({c, a, tip}, colour);
    }
    return ball;
}

Shape MakeLumpyBall(double radius, double lumpiness, unsigned seed, const shapes::Material &paint) {
    if (!(radius > 0 && lumpiness >= 0 && lumpiness < 0.5))
        throw std::invalid_argument("a lump needs a radius and lumpiness below one half");
    const Polyhedral solid = MakePolyhedral(Polyhedron::Icosahedron);
    Shape ball;
    const int colour = ball.AddMaterial(paint);
    for (size_t i = 0; i < solid.corners.size(); ++i) {
        double reach = radius * (1 - lumpiness * Jitter(seed, static_cast<unsigned>(i)));
        ball.AddVertex(solid.corners[i] * reach);
    }
    for (const auto &[a, b, c] : solid.faces) ball.AddFace({a, b, c}, colour);
    return ball;
}

Shape MakeRing(double radius, double tube, int around, int tubeSides,
               const shapes::Material &paint) {
    if (!(tube > 0 && radius > tube && around >= 3 && tubeSides >= 3))
        throw std::invalid_argument("a ring needs a tube thinner than its radius");
    Shape ring;
    const int colour = ring.AddMaterial(paint);
    for (int i = 0; i < around; ++i) {
        double along = 2 * std::numbers::pi * i / around;
        Point3 outward{0, std::cos(along), std::sin(along)};
        for (int j = 0; j < tubeSides; ++j) {
            double across = 2 * std::numbers::pi * j / tubeSides;
            ring.AddVertex(outward * (radius + tube * std::cos(across)) +
                           Point3{tube * std::sin(across), 0, 0});
        }
    }
    auto corner = [&](int i, int j) { return (i % around) * tubeSides + j % tubeSides; };
    for (int i = 0; i < around; ++i) {
        for (int j = 0; j < tubeSides; ++j) {
            ring.AddFace({corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)},
                         colour);
        }
    }
    return ring;
}

Shape MakeSlab(const std::vector<Point2> &outline, shapes::Axis axis, double from, double to,
               const shapes::Material &paint) {
    double lowestU = 1e30, highestU = -1e30, lowestV = 1e30, highestV = -1e30;
    for (Point2 p : outline) {
        lowestU = std::min(lowestU, p.u);
        highestU = std::max(highestU, p.u);
        lowestV = std::min(lowestV, p.v);
        highestV = std::max(highestV, p.v);
    }
    const Point2 middle{(lowestU + highestU) / 2, (lowestV + highestV) / 2};
    const Point2 extent{highestU - lowestU, highestV - lowestV};
    const double along = (from + to) / 2, thickness = std::fabs(to - from);
    shapes::Placement placement;
    switch (axis) {
        case shapes::Axis::X:
            placement = {{along, middle.u, middle.v}, {thickness, extent.u, extent.v}};
            break;
        case shapes::Axis::Y:
            placement = {{middle.u, along, middle.v}, {extent.u, thickness, extent.v}};
            break;
        case shapes::Axis::Z:
            placement = {{middle.u, middle.v, along}, {extent.u, extent.v, thickness}};
            break;
    }
    return shapes::MakeExtrusion(outline, axis, placement, paint);
}

Shape MakeFins(int count, const std::vector<Point2> &planform, double thickness, double angle,
               const shapes::Material &paint) {
    const Shape fin = MakeSlab(planform, shapes::Axis::Z, -thickness / 2, thickness / 2, paint);
    Shape fins;
    for (int k = 0; k < count; ++k) {
        fins.Append(Turned(fin, shapes::Axis::X, angle + 2 * std::numbers::pi * k / count));
    }
    return fins;
}

double Jitter(unsigned seed, unsigned index) {
    uint32_t mixed =
        static_cast<uint32_t>(seed) * 0x9E3779B9u + static_cast<uint32_t>(index) * 0x85EBCA6Bu;
    mixed ^= mixed >> 16;
    mixed *= 0x7FEB352Du;
    mixed ^= mixed >> 15;
    mixed *= 0x846CA68Bu;
    mixed ^= mixed >> 16;
    return mixed / 4294967296.0;
}

}  // namespace models
