// Cutting a plane at the near clipping distance.
#pragma once

#include "view.h"

namespace trazel {

// One corner of a plane in view coordinates, with its screen point (when in front) and colour.
struct CornerView {
    float depth, y, z;
    TzPoint screen;
    TzColor color;
};

// A plane's corners are all at or beyond the clipping distance.
bool WhollyInFront(const CornerView *corners, int32_t count, float clip);

// Walks the corners and keeps what lies at or beyond the clipping distance, adding a crossing
// point (projected at exactly that distance) where an edge passes through it. Returns the number
// of points written, 0 when no corner lies beyond the distance. colors may be null; otherwise
// crossing colours are interpolated along their edge. Writes at most 2 * count points.
int32_t ClipToNearPlane(const CornerView *corners, int32_t count, float clip,
                        const Projection &projection, TzPoint *points, TzColor *colors);

}  // namespace trazel
