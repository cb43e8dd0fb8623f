// Clipping a polygon to the back buffer's columns and rows before its edges are walked.
#pragma once

#include <algorithm>
#include <cstdint>

#include "trazel.h"

namespace trazel {

// A pass against two parallel lines at most doubles the corners, and there are two passes.
constexpr int32_t kMaxClipPoints = 4 * TZ_MAX_FILL_POINTS;

// Corners are clamped to this distance from the origin, which the frame pipeline never reaches, so
// that every product of two coordinate differences fits in 64 bits.
constexpr int32_t kCoordinateLimit = 1 << 30;

inline TzPoint ClampedPoint(TzPoint point) {
    return TzPoint{std::clamp(point.x, -kCoordinateLimit, kCoordinateLimit),
                   std::clamp(point.y, -kCoordinateLimit, kCoordinateLimit)};
}

// A polygon on its way to the edge table; channels are only kept for Gouraud fills.
struct ClipPolygon {
    TzPoint points[kMaxClipPoints];
    uint8_t channels[kMaxClipPoints][3];  // red, green, blue per corner
    int32_t count = 0;
};

enum class ClipColors { Ignore, Interpolate };

// multiplicand * multiplier / divisor rounded to the nearest integer, halves away from zero
// (the rounding of the classic multiply-divide call). The divisor must not be 0 and the product
// plus half the divisor must fit in 64 bits.
int64_t MulDivRounded(int64_t multiplicand, int64_t multiplier, int64_t divisor);

// Clips in place (corners within kCoordinateLimit) against the columns 0..width-1, then the rows
// 0..rows-1; false if nothing is left.
bool ClipToBuffer(ClipPolygon &polygon, int32_t width, int32_t rows, ClipColors colors);

}  // namespace trazel
