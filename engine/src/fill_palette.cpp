// The palette-mode fillers: flat, halftone and Gouraud spans of cube palette indices.
#include "fill_palette.h"

#include <algorithm>
#include <cstring>

#include "client_layer.h"
#include "context.h"
#include "fill_edges.h"

namespace trazel {
namespace {

// The ordered-dither thresholds, indexed [memory row % 4][x % 4].
constexpr uint8_t kThreshold[4][4] = {
    {1, 11, 3, 9}, {15, 5, 13, 7}, {4, 10, 2, 12}, {14, 8, 16, 6}};

// Spans this long are worth aligning for four-byte stores.
constexpr int32_t kWordPathSpan = 8;

// A channel 0..255 as a cube level and the 16ths of a level above it.
struct Graded {
    int32_t level;
    int32_t fraction;
};

Graded Grade(int32_t channel) {
    return Graded{channel / 51, (channel % 51) * 16 / 51};
}

// One level up where the pixel's threshold lies below the fraction.
int32_t Dither(Graded graded, int32_t threshold) {
    return graded.level + (threshold < graded.fraction ? 1 : 0);
}

// Writes pixel x of the span as pattern[x % 4]; whole words where the span is long enough.
// The bits may be a client's unaligned memory, so words are stored with memcpy.
void FillSpan(uint8_t *row, int32_t left, int32_t right, const uint8_t *pattern) {
    int32_t x = left;
    if (right - left + 1 >= kWordPathSpan) {
        for (; (x & 3) != 0; ++x) row[x] = pattern[x & 3];
        uint32_t words[4];
        for (uint32_t &word : words) std::memcpy(&word, pattern, sizeof word);
        // Four words per store while the span lasts, then one.
        for (; x + 15 <= right; x += 16) std::memcpy(row + x, words, sizeof words);
        for (; x + 3 <= right; x += 4) std::memcpy(row + x, words, sizeof words[0]);
    }
    for (; x <= right; ++x) row[x] = pattern[x & 3];
}

// pattern[16] holds four rows of four pixels; memory row y uses pattern row y % 4.
void FillRows(const FillTarget &target, RowRange range, const uint8_t *pattern) {
    for (int32_t y = range.lowest; y <= range.highest; ++y) {
        const EdgeRow &entry = target.edges[y];
        int32_t left = std::min(entry.x[0], entry.x[1]);
        int32_t right = std::max(entry.x[0], entry.x[1]);
        FillSpan(target.Row(y), left, right, pattern + 4 * (y & 3));
    }
}

void BuildHalftonePattern(TzColor color, uint8_t *pattern) {
    Graded red = Grade(TZ_RED(color));
    Graded green = Grade(TZ_GREEN(color));
    Graded blue = Grade(TZ_BLUE(color));
    for (int32_t row = 0; row < 4; ++row) {
        for (int32_t column = 0; column < 4; ++column) {
            int32_t threshold = kThreshold[row][column];
            pattern[4 * row + column] = PaletteIndexOfLevels(
                Dither(red, threshold), Dither(green, threshold), Dither(blue, threshold));
        }
    }
}

int32_t FillPattern(const TzPoint *points, int32_t count, const uint8_t *pattern) {
    FillTarget target;
    RowRange range;
    if (!AcquireFillTarget(&target) || !ScanFlatPolygon(points, count, target, &range)) return 0;
    FillRows(target, range, pattern);
    return 1;
}

// A value on the 0..80 scale dithered to a cube level: one level up where the pixel's threshold
// lies below the value's 16ths. Looked up per threshold, as the Gouraud span does it per pixel.
struct ScaledLevels {
    uint8_t level[17][81];  // [threshold 1..16][value 0..80]
};

constexpr ScaledLevels MakeScaledLevels() {
    ScaledLevels table{};
    for (int threshold = 1; threshold <= 16; ++threshold) {
        for (int value = 0; value <= 80; ++value) {
            table.level[threshold][value] =
                static_cast<uint8_t>((value >> 4) + (threshold < (value & 15) ? 1 : 0));
        }
    }
    return table;
}

constexpr ScaledLevels kScaledLevels = MakeScaledLevels();

void FillShadedSpan(uint8_t *row, const EdgeRow &entry, const uint8_t *thresholds) {
    ShadedSpan span = StartShadedSpan(entry);
    for (int32_t x = span.left; x <= span.right; ++x, span.Advance()) {
        const uint8_t *levels = kScaledLevels.level[thresholds[x & 3]];
        row[x] = PaletteIndexOfLevels(levels[span.red.Value()], levels[span.green.Value()],
                                      levels[span.blue.Value()]);
    }
}

}  // namespace

int32_t FillPaletteFlat(const TzPoint *points, int32_t count, TzColor color) {
    uint8_t index = PaletteIndexOf(color);
    uint8_t pattern[16];
    std::memset(pattern, index, sizeof pattern);
    return FillPattern(points, count, pattern);
}

int32_t FillPaletteHalftone(const TzPoint *points, int32_t count, TzColor color) {
    uint8_t pattern[16];
    BuildHalftonePattern(color, pattern);
    return FillPattern(points, count, pattern);
}

int32_t FillPaletteGouraud(const TzPoint *points, int32_t count, const TzColor *colors) {
    FillTarget target;
    ClipPolygon polygon;
    if (!AcquireFillTarget(&target) ||
        !ClipShadedPolygon(points, colors, count, target, &polygon)) {
        return 0;
    }
    for (int32_t i = 0; i < polygon.count; ++i) {
        for (uint8_t &channel : polygon.channels[i]) channel = Level81(channel);
    }
    RowRange range;
    if (!WalkEdges(polygon, target, EdgeColors::Walk, &range)) return 0;
    for (int32_t y = range.lowest; y <= range.highest; ++y) {
        FillShadedSpan(target.Row(y), target.edges[y], kThreshold[y & 3]);
    }
    return 1;
}

int32_t ClearPalette(TzColor color) {
    FillTarget target;
    if (!AcquireBuffer(&target)) return 0;
    std::memset(target.bits, PaletteIndexOf(color), size_t(target.stride) * size_t(target.rows));
    ClearClientLayer();
    return 1;
}

}  // namespace trazel
