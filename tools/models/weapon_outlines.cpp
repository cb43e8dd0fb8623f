// Outlines for lofts and extrusions.
#include "weapon_outlines.h"

#include <cmath>
#include <numbers>

namespace models {

using shapes::Point2;

std::vector<Point2> RegularOutline(int corners, double radius, double angle) {
    std::vector<Point2> outline;
    for (int k = 0; k < corners; ++k) {
        double at = angle + 2 * std::numbers::pi * k / corners;
        outline.push_back({radius * std::cos(at), radius * std::sin(at)});
    }
    return outline;
}

std::vector<Point2> StarOutline(int points, double outer, double inner, double angle) {
    std::vector<Point2> outline;
    for (int k = 0; k < 2 * points; ++k) {
        double at = angle + std::numbers::pi * k / points;
        double radius = k % 2 == 0 ? outer : inner;
        outline.push_back({radius * std::cos(at), radius * std::sin(at)});
    }
    return outline;
}

std::vector<Point2> HeartOutline() {
    // Each lobe is an arc of a circle centred on the back half, off the middle line; the outline
    // runs from the point round the lobe on the -v side, into the notch and back round the other.
    const double lobeCentreU = 0.22, lobeCentreV = 0.2, lobeRadius = 0.28;
    std::vector<Point2> lobe;
    for (int step = 0; step < 5; ++step) {
        double at = std::numbers::pi / 180 * (-130 + 42.5 * step);
        lobe.push_back(
            {lobeCentreU + lobeRadius * std::cos(at), -lobeCentreV + lobeRadius * std::sin(at)});
    }
    std::vector<Point2> outline{{-0.5, 0}};
    outline.insert(outline.end(), lobe.begin(), lobe.end());
    outline.push_back({0.36, 0});
    for (auto p = lobe.rbegin(); p != lobe.rend(); ++p) outline.push_back({p->u, -p->v});
    return outline;
}

}  // namespace models
