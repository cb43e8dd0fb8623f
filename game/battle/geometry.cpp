// Distance, heading and move along a heading, with the float rounding both PCs share.
#include "geometry.h"

#include <cmath>

#include "trazel.h"

namespace battle {

float Distance(GroundPoint a, GroundPoint b) {
    float dx = b.x - a.x, dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

int32_t HeadingTo(GroundPoint a, GroundPoint b) {
    constexpr double kHalfPi = 1.5707963267948966, kTwoPi = 6.283185307179586;
    constexpr double kUnitsPerRadian = 4096.0 / kTwoPi;
    float dx = b.x - a.x, dy = b.y - a.y;
    if (dx == 0.0f && dy == 0.0f) return kNoHeading;
    // The arc tangent takes dx first; each step is rounded to float before the next.
    float angle = static_cast<float>(std::atan2(static_cast<double>(dx), static_cast<double>(dy)));
    angle = static_cast<float>(angle - kHalfPi);
    if (angle < 0.0f) angle = static_cast<float>(angle + kTwoPi);
    angle = static_cast<float>(angle * kUnitsPerRadian);
    return 2048 - static_cast<int32_t>(angle);
}

GroundPoint MoveAlong(GroundPoint p, int32_t heading, float distance) {
    if (heading == kNoHeading) return p;
    return GroundPoint{p.x + FCos(heading + 2048) * distance,
                       p.y + FSin(heading + 2048) * distance};
}

}  // namespace battle
