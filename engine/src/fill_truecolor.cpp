// The true-colour fillers: the palette fillers' coverage, written as flat or smoothly shaded RGB.
#include "fill_truecolor.h"

#include <cstring>

#include "context.h"
#include "fill_edges.h"

namespace trazel {
namespace {

// The buffer may be a client's unaligned memory, so pixels are stored with memcpy; four at a
// time lets the compiler use one wide store.
void FillSpan(uint8_t *row, int32_t left, int32_t right, uint32_t pixel) {
    const uint32_t block[4] = {pixel, pixel, pixel, pixel};
    uint8_t *target = row + 4 * int64_t{left};
    int32_t remaining = right - left + 1;
    for (; remaining >= 4; remaining -= 4, target += sizeof block) {
        std::memcpy(target, block, sizeof block);
    }
    for (; remaining > 0; --remaining, target += sizeof pixel) {
        std::memcpy(target, &pixel, sizeof pixel);
    }
}

void FillShadedSpan(uint8_t *row, const EdgeRow &entry) {
    ShadedSpan span = StartShadedSpan(ShadedSpanEnds(entry));
    uint8_t *target = row + 4 * int64_t{span.left};
    for (int32_t x = span.left; x <= span.right; ++x, target += 4, span.Advance()) {
        uint32_t pixel = PixelOf(span.red.Value(), span.green.Value(), span.blue.Value());
        std::memcpy(target, &pixel, sizeof pixel);
    }
}

}  // namespace

int32_t FillTrueColorFlat(const TzPoint *points, int32_t count, TzColor color) {
    FillTarget target;
    RowRange range;
    if (!AcquireFillTarget(&target) || !ScanFlatPolygon(points, count, target, &range)) return 0;
    uint32_t pixel = PixelOf(color);
    for (int32_t y = range.lowest; y <= range.highest; ++y) {
        const EdgeRow &entry = target.edges[y];
        bool ordered = entry.x[0] <= entry.x[1];
        FillSpan(target.Row(y), ordered ? entry.x[0] : entry.x[1],
                 ordered ? entry.x[1] : entry.x[0], pixel);
    }
    return 1;
}

int32_t FillTrueColorGouraud(const TzPoint *points, int32_t count, const TzColor *colors) {
    FillTarget target;
    ClipPolygon polygon;
    RowRange range;
    if (!AcquireFillTarget(&target) ||
        !ClipShadedPolygon(points, colors, count, target, &polygon) ||
        !WalkEdges(polygon, target, EdgeColors::Walk, &range)) {
        return 0;
    }
    for (int32_t y = range.lowest; y <= range.highest; ++y) {
        FillShadedSpan(target.Row(y), target.edges[y]);
    }
    return 1;
}

int32_t ClearTrueColor(TzColor color) {
    FillTarget target;
    if (!AcquireBuffer(&target)) return 0;
    uint32_t pixel = PixelOf(color);
    for (int32_t y = 0; y < target.rows; ++y) FillSpan(target.Row(y), 0, target.width - 1, pixel);
    return 1;
}

}  // namespace trazel
