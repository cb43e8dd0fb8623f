// Argument checks shared by the builders.
#include "placement_checks.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace shapes {
namespace {

bool IsFinite(Point3 p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

void RequireSolidPlacement(const Placement &placement) {
    const Point3 &size = placement.size;
    if (!IsFinite(placement.centre) || !IsFinite(size))
        throw std::invalid_argument("placement has a coordinate that is not a finite number");
    if (size.x <= 0 || size.y <= 0 || size.z <= 0)
        throw std::invalid_argument("a solid needs a positive size on every axis");
}

void RequireCount(const char *what, int count, int lowest, int highest) {
    if (count < lowest || count > highest) {
        throw std::invalid_argument(std::string(what) + " must lie in " + std::to_string(lowest) +
                                    ".." + std::to_string(highest) + ", not " +
                                    std::to_string(count));
    }
}

}  // namespace shapes
