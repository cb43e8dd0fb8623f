// Stage 3's volcano and its eruption. The volcano is placed 200 units below the ground, so only
// its upper slopes and crater stand above the plain; the eruption is lifted from z = -150 to 0
// in four steps, so its burst rises out of the crater and starts again.
#include "scenery_models.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "scenery_noise.h"
#include "scenery_solids.h"
#include "shapes/solids.h"

namespace models {

using shapes::Material;
using shapes::Point2;
using shapes::Point3;
using shapes::Shape;

namespace {

constexpr int kSides = 18;
constexpr uint32_t kSeed = 31;
// The crater floor's height in the volcano's own units; the eruption rises from just below it.
constexpr double kCraterFloor = 272;

// The volcano's outline from the base up the slope, over the rim and down to the crater floor,
// with how far each ring may stray from a true circle.
struct Ring {
    double radius, height, roughness;
};
const std::vector<Ring> kRings{{190, 0, 0},   {162, 60, 10}, {130, 124, 10},
                               {100, 184, 9}, {74, 238, 7},  {54, 280, 5},
                               {44, 300, 3},  {34, 294, 2},  {26, kCraterFloor, 0}};

const Material kLava{255, 118, 30};

Material SlopeColour(size_t band) {
    // Grassy foothills, which stay below the plain and blend into it, then bare rock.
    const Material colours[] = {{40, 150, 40}, {70, 140, 50}, {128, 106, 86}, {118, 100, 88},
                                {104, 92, 86}, {92, 82, 78},  {80, 70, 66},   {150, 70, 40}};
    return colours[band];
}

// Lava runs down from the rim in three meandering streams.
bool OnLavaStream(size_t band, double angle, double height) {
    if (band < 2 || band > 5) return false;
    for (double source : {0.85, 2.4, 4.6}) {
        double stream = source + 0.12 * std::sin(height / 35);
        double off = std::remainder(angle - stream, 2 * std::numbers::pi);
        if (std::abs(off) < 0.16) return true;
    }
    return false;
}

Point3 RingVertex(size_t ring, int k) {
    const Ring &shape = kRings[ring];
    uint32_t index = static_cast<uint32_t>(ring * kSides + k);
    double radius = shape.radius + ScatterBetween(kSeed, index, -1, 1) * shape.roughness;
    double height = shape.height + ScatterBetween(kSeed + 1, index, -0.5, 0.5) * shape.roughness;
    double angle = 2 * std::numbers::pi * k / kSides;
    return {radius * std::cos(angle), radius * std::sin(angle), height};
}

void AddSlopes(Shape &volcano) {
    for (size_t ring = 0; ring < kRings.size(); ++ring) {
        for (int k = 0; k < kSides; ++k) volcano.AddVertex(RingVertex(ring, k));
    }
    auto corner = [](size_t ring, int k) { return static_cast<int>(ring) * kSides + k % kSides; };
    for (size_t band = 0; band + 1 < kRings.size(); ++band) {
        for (int k = 0; k < kSides; ++k) {
            double angle = 2 * std::numbers::pi * (k + 0.5) / kSides;
            double height = (kRings[band].height + kRings[band + 1].height) / 2;
            int paint =
                volcano.AddMaterial(OnLavaStream(band, angle, height) ? kLava : SlopeColour(band));
            int a = corner(band, k), b = corner(band, k + 1), c = corner(band + 1, k + 1),
                d = corner(band + 1, k);
            volcano.AddFace({a, b, c}, paint);
            volcano.AddFace({a, c, d}, paint);
        }
    }
}

void AddBaseAndCrater(Shape &volcano) {
    std::vector<int> base;
    for (int k = kSides - 1; k >= 0; --k) base.push_back(k);
    volcano.AddConvexFace(base, volcano.AddMaterial(SlopeColour(0)));
    const int floorRing = static_cast<int>(kRings.size() - 1) * kSides;
    int middle = volcano.AddVertex({0, 0, kCraterFloor});
    int lava = volcano.AddMaterial({255, 150, 40});
    for (int k = 0; k < kSides; ++k) {
        volcano.AddFace({floorRing + k, floorRing + (k + 1) % kSides, middle}, lava);
    }
}

// Molten rocks thrown out of the burst, scattered unevenly so that the spinning burst churns.
Shape LavaBombs() {
    const Material colours[] = {{255, 90, 30}, {255, 160, 40}, {230, 60, 30}, {255, 200, 70}};
    Shape bombs;
    for (uint32_t k = 0; k < 9; ++k) {
        double angle = 2 * std::numbers::pi * (k + ScatterBetween(kSeed + 5, k, 0, 0.6)) / 9;
        double reach = ScatterBetween(kSeed + 6, k, 22, 50);
        double height = kCraterFloor + ScatterBetween(kSeed + 7, k, 20, 90);
        double size = ScatterBetween(kSeed + 8, k, 9, 16);
        bombs.Append(shapes::MakeSphere(
            {{reach * std::cos(angle), reach * std::sin(angle), height}, {size, size, size * 1.2}},
            3, 5, colours[k % 4]));
    }
    return bombs;
}

}  // namespace

Shape MountainModel() {
    Shape volcano;
    AddSlopes(volcano);
    AddBaseAndCrater(volcano);
    return volcano;
}

Shape EruptionModel() {
    const std::vector<Point2> fountain{{8, kCraterFloor - 150}, {12, kCraterFloor - 10},
                                       {18, kCraterFloor + 30}, {30, kCraterFloor + 58},
                                       {22, kCraterFloor + 76}, {0, kCraterFloor + 84}};
    Shape eruption =
        MakeLathe(fountain, 8,
                  {{230, 70, 30}, {255, 110, 30}, {255, 150, 40}, {255, 190, 60}, {255, 225, 110}});
    eruption.Append(LavaBombs());
    return eruption;
}

}  // namespace models
