// A stable bottom-up merge sort: safe with a comparison that is not transitive, and allocation
// free.
#include "sort.h"

#include <cstring>

namespace trazel {
namespace {

// b must be drawn before a: it lies at least one whole unit farther away.
bool StrictlyFarther(const ScreenPolygon *polygons, uint16_t b, uint16_t a) {
    return polygons[b].depth - polygons[a].depth >= 1.0f;
}

void MergeRuns(const ScreenPolygon *polygons, const uint16_t *source, uint16_t *target,
               int32_t begin, int32_t middle, int32_t end) {
    int32_t left = begin, right = middle, out = begin;
    while (left < middle && right < end) {
        target[out++] = StrictlyFarther(polygons, source[right], source[left]) ? source[right++]
                                                                               : source[left++];
    }
    while (left < middle) target[out++] = source[left++];
    while (right < end) target[out++] = source[right++];
}

}  // namespace

void SortFarthestFirst(const ScreenPolygon *polygons, int32_t count, uint16_t *order,
                       uint16_t *scratch) {
    for (int32_t i = 0; i < count; ++i) order[i] = static_cast<uint16_t>(i);
    uint16_t *source = order, *target = scratch;
    for (int32_t width = 1; width < count; width *= 2) {
        for (int32_t begin = 0; begin < count; begin += 2 * width) {
            int32_t middle = begin + width < count ? begin + width : count;
            int32_t end = begin + 2 * width < count ? begin + 2 * width : count;
            MergeRuns(polygons, source, target, begin, middle, end);
        }
        uint16_t *swap = source;
        source = target;
        target = swap;
    }
    if (source != order) std::memcpy(order, source, sizeof(uint16_t) * count);
}

}  // namespace trazel
