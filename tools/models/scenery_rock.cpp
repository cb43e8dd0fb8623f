// Irregular rocks from a subdivided icosahedron. Triangles stay flat whatever the bumps do.
#include "scenery_rock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "scenery_noise.h"

namespace models {

using shapes::Point3;
using shapes::Shape;

namespace {

using Triangle = std::array<int, 3>;

struct Sphere {
    std::vector<Point3> directions;
    std::vector<Triangle> triangles;
};

Sphere Icosahedron() {
    const double t = (1 + std::sqrt(5.0)) / 2;
    Sphere sphere;
    for (Point3 p : {Point3{-1, t, 0}, Point3{1, t, 0}, Point3{-1, -t, 0}, Point3{1, -t, 0},
                     Point3{0, -1, t}, Point3{0, 1, t}, Point3{0, -1, -t}, Point3{0, 1, -t},
                     Point3{t, 0, -1}, Point3{t, 0, 1}, Point3{-t, 0, -1}, Point3{-t, 0, 1}}) {
        sphere.directions.push_back(Unit(p));
    }
    sphere.triangles = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11},
                        {1, 5, 9},  {5, 11, 4}, {11, 10, 2}, {10, 7, 6}, {7, 1, 8},
                        {3, 9, 4},  {3, 4, 2},  {3, 2, 6},   {3, 6, 8},  {3, 8, 9},
                        {4, 9, 5},  {2, 4, 11}, {6, 2, 10},  {8, 6, 7},  {9, 8, 1}};
    return sphere;
}

// Cuts every triangle into four, sharing the new midpoints between neighbours.
void Subdivide(Sphere &sphere) {
    std::map<std::pair<int, int>, int> midpoints;
    auto midpoint = [&](int a, int b) {
        auto key = std::minmax(a, b);
        auto found = midpoints.find(key);
        if (found != midpoints.end()) return found->second;
        sphere.directions.push_back(Unit(sphere.directions[a] + sphere.directions[b]));
        int index = static_cast<int>(sphere.directions.size()) - 1;
        midpoints[key] = index;
        return index;
    };
    std::vector<Triangle> finer;
    for (const Triangle &t : sphere.triangles) {
        int ab = midpoint(t[0], t[1]), bc = midpoint(t[1], t[2]), ca = midpoint(t[2], t[0]);
        finer.insert(finer.end(), {{t[0], ab, ca}, {ab, t[1], bc}, {ca, bc, t[2]}, {ab, bc, ca}});
    }
    sphere.triangles = std::move(finer);
}

Point3 RandomDirection(uint32_t seed, uint32_t index) {
    double z = ScatterBetween(seed, 2 * index, -1, 1);
    double angle = ScatterBetween(seed, 2 * index + 1, 0, 2 * std::numbers::pi);
    double ring = std::sqrt(1 - z * z);
    return {ring * std::cos(angle), ring * std::sin(angle), z};
}

struct Crater {
    Point3 centre;
    double width;  // angular radius, as 1 - cosine
};

std::vector<Crater> PlaceCraters(const RockForm &form) {
    std::vector<Crater> craters;
    for (int k = 0; k < form.craters; ++k) {
        craters.push_back(
            {RandomDirection(form.seed + 7, k), ScatterBetween(form.seed + 11, k, 0.06, 0.14)});
    }
    return craters;
}

// The relative radius of the rock's surface in a direction: lumps everywhere, and craters with
// a raised rim.
double SurfaceRadius(const RockForm &form, const std::vector<Crater> &craters, Point3 direction) {
    double radius = 1;
    for (int k = 0; k < form.bumps; ++k) {
        Point3 centre = RandomDirection(form.seed, k);
        double height = form.bumpHeight * ScatterBetween(form.seed + 3, k, -1, 1);
        radius += height * std::exp((shapes::Dot(direction, centre) - 1) * 4);
    }
    for (const Crater &crater : craters) {
        double distance = (1 - shapes::Dot(direction, crater.centre)) / crater.width;
        if (distance < 1)
            radius -= form.craterDepth * (1 - distance * distance);
        else if (distance < 2)
            radius += form.craterDepth * 0.3 * (2 - distance);
    }
    return radius;
}

bool InCrater(const std::vector<Crater> &craters, Point3 direction) {
    for (const Crater &crater : craters) {
        if (1 - shapes::Dot(direction, crater.centre) < 0.8 * crater.width) return true;
    }
    return false;
}

}  // namespace

Shape MakeRock(const RockForm &form, const RockPaint &paint) {
    Sphere sphere = Icosahedron();
    for (int level = 0; level < form.subdivisions; ++level) Subdivide(sphere);
    std::vector<Crater> craters = PlaceCraters(form);
    Shape rock;
    for (const Point3 &d : sphere.directions) {
        double radius = SurfaceRadius(form, craters, d);
        rock.AddVertex({d.x * radius * form.size.x / 2, d.y * radius * form.size.y / 2,
                        d.z * radius * form.size.z / 2});
    }
    std::vector<int> tones;
    for (const shapes::Material &tone : paint.tones) tones.push_back(rock.AddMaterial(tone));
    int craterPaint = rock.AddMaterial(paint.crater);
    for (size_t i = 0; i < sphere.triangles.size(); ++i) {
        const Triangle &t = sphere.triangles[i];
        Point3 middle =
            Unit(sphere.directions[t[0]] + sphere.directions[t[1]] + sphere.directions[t[2]]);
        int tone = tones[static_cast<size_t>(Scatter(form.seed + 13, i) * tones.size())];
        rock.AddFace({t[0], t[1], t[2]}, InCrater(craters, middle) ? craterPaint : tone);
    }
    return rock;
}

}  // namespace models
