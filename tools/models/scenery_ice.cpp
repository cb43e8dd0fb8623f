// Stage 6's ice crystals and the whirl of waves that follows each robot. The waves are placed
// 50 units below the ground and turn an eighth of a turn every step; seven crests stand a little
// more than an eighth of a turn apart, so the whirl seems to creep round slowly instead of
// jumping.
#include "scenery_models.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <utility>
#include <vector>

#include "scenery_noise.h"
#include "scenery_solids.h"
#include "shapes/outline.h"
#include "shapes/transforms.h"

namespace models {

using shapes::Axis;
using shapes::Material;
using shapes::Point2;
using shapes::Point3;
using shapes::Shape;

namespace {

constexpr uint32_t kSeed = 61;
constexpr double kTurn = 2 * std::numbers::pi;

// A six-sided ice crystal standing on its base with a pointed tip.
Shape Crystal(double radius, double height, const Material &ice) {
    return MakeLathe({{radius, 0}, {radius, height}, {0, height + radius * 1.6}}, 6, {ice, ice});
}

// Leans a crystal outwards towards heading and moves its foot out to distance, keeping the
// foot's lowest corner above the ground inside the mound.
Shape Leaning(Shape crystal, double lean, double heading, double distance, double radius) {
    Shape leaning = Moved(Turned(std::move(crystal), Axis::Y, lean),
                          {distance, 0, radius * std::sin(lean) + 1});
    return Turned(std::move(leaning), Axis::Z, heading);
}

}  // namespace

Shape IcicleModel() {
    const Material ices[] = {{176, 224, 248, 0.7}, {206, 240, 255, 0.7}, {140, 196, 236, 0.7}};
    Shape icicle = MakeLathe({{46, 0}, {40, 8}, {26, 14}, {0, 16}}, 10,
                             {{236, 246, 255}, {236, 246, 255}, {236, 246, 255}});
    icicle.Append(Crystal(14, 82, ices[0]));
    const int around = 8;
    for (uint32_t k = 0; k < around; ++k) {
        double radius = ScatterBetween(kSeed, k, 6, 10);
        double height = ScatterBetween(kSeed + 1, k, 26, 58);
        double heading = kTurn * (k + ScatterBetween(kSeed + 2, k, -0.2, 0.2)) / around;
        double lean = ScatterBetween(kSeed + 3, k, 0.25, 0.55);
        double distance = ScatterBetween(kSeed + 4, k, 16, 28);
        icicle.Append(
            Leaning(Crystal(radius, height, ices[k % 3]), lean, heading, distance, radius));
    }
    return icicle;
}

namespace {

constexpr double kWaterTop = 45;  // 5 units below the ground once placed 50 units down
constexpr int kCrests = 7;

// A breaking wave in profile (u along its travel, v up), counter-clockwise: a long back, a
// crest, and a lip curling over a hollow front.
const std::vector<Point2> kWaveProfile{{-24, 0}, {12, 0}, {9, 12}, {14, 22}, {2, 28}, {-12, 16}};

// Where the crest's profile is repeated on its way out from the middle: low at both ends and
// swept back, so that the crests wind like the arms of a whirlpool.
struct Slice {
    double distance, scale, sweep;
};
const Slice kSlices[] = {{40, 0.4, 0}, {64, 1.0, 0.18}, {92, 0.35, 0.42}};

Point3 OnSlice(const Slice &slice, Point2 point) {
    double u = point.u * slice.scale;
    double c = std::cos(slice.sweep), s = std::sin(slice.sweep);
    return {slice.distance * c - u * s, slice.distance * s + u * c,
            kWaterTop - 4 + point.v * slice.scale};
}

// One crest; faces whose middle lies above foamLine are foam.
Shape Crest(double foamLine) {
    Shape crest;
    const int water = crest.AddMaterial({70, 150, 214, 0.5});
    const int foam = crest.AddMaterial({240, 250, 255});
    const int points = static_cast<int>(kWaveProfile.size());
    for (const Slice &slice : kSlices) {
        for (const Point2 &point : kWaveProfile) crest.AddVertex(OnSlice(slice, point));
    }
    auto paint = [&](std::initializer_list<int> corners) {
        double height = 0;
        for (int corner : corners) height += crest.vertices[corner].z / corners.size();
        return height > foamLine ? foam : water;
    };
    auto add = [&](std::initializer_list<int> corners) { crest.AddFace(corners, paint(corners)); };
    for (int slice = 0; slice + 1 < static_cast<int>(std::size(kSlices)); ++slice) {
        for (int i = 0; i < points; ++i) {
            int a = slice * points + i, b = slice * points + (i + 1) % points;
            int c = b + points, d = a + points;
            add({a, b, c});
            add({a, c, d});
        }
    }
    const int last = (static_cast<int>(std::size(kSlices)) - 1) * points;
    for (const std::array<int, 3> &t : shapes::TriangulateOutline(kWaveProfile)) {
        add({t[2], t[1], t[0]});
        add({last + t[0], last + t[1], last + t[2]});
    }
    return crest;
}

}  // namespace

Shape WavesModel() {
    const Material water{84, 164, 222, 0.4};
    Shape waves =
        MakeLathe({{84, kWaterTop - 15}, {92, kWaterTop - 7}, {70, kWaterTop}, {0, kWaterTop}}, 14,
                  {{52, 118, 180}, water, {96, 178, 230}});
    for (int k = 0; k < kCrests; ++k) {
        waves.Append(Turned(Crest(kWaterTop + 12), Axis::Z, kTurn * k / kCrests));
    }
    return waves;
}

}  // namespace models
