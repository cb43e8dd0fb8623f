// The palette-mode fillers: flat, halftone and Gouraud spans of cube palette indices.
#include "fill_palette.h"

#include <algorithm>
#include <cstdlib>
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
// The bits may be a client's unaligned memory, so words are stored with memcpy. Inline: with the
// Gouraud spans as callers too, the compiler would otherwise make it a call per span.
inline void FillSpan(uint8_t *row, int32_t left, int32_t right, const uint8_t *pattern) {
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

// Each value on the 0..80 scale dithered to a cube level by the four thresholds of one memory row,
// one byte per column x % 4: one level up where the threshold lies below the value's 16ths. A
// byte stays below 6, so red + 6 green + 36 blue adds up four cube indices without carries.
struct RowLevels {
    uint32_t packed[4][81];  // [memory row % 4][value 0..80]
};

constexpr RowLevels MakeRowLevels() {
    RowLevels table{};
    for (int row = 0; row < 4; ++row) {
        for (int value = 0; value <= 80; ++value) {
            for (int column = 0; column < 4; ++column) {
                uint32_t level = (value >> 4) + (kThreshold[row][column] < (value & 15) ? 1 : 0);
                table.packed[row][value] |= level << (8 * column);
            }
        }
    }
    return table;
}

constexpr RowLevels kRowLevels = MakeRowLevels();

// The colour's cube indices in the four columns of the row whose packed levels are given.
uint32_t CubesAcrossRow(const uint32_t *levels, int32_t red, int32_t green, int32_t blue) {
    return levels[red] + 6 * levels[green] + 36 * levels[blue];
}

uint8_t PaletteIndexInColumn(uint32_t cubes, int32_t column) {
    return kCubeToPalette[(cubes >> (8 * column)) & 0xFF];
}

// pattern[x % 4] becomes the palette index of the colour at column x of the row.
void DitherAcrossRow(const uint32_t *levels, int32_t red, int32_t green, int32_t blue,
                     uint8_t *pattern) {
    uint32_t cubes = CubesAcrossRow(levels, red, green, blue);
    pattern[0] = PaletteIndexInColumn(cubes, 0);
    pattern[1] = PaletteIndexInColumn(cubes, 1);
    pattern[2] = PaletteIndexInColumn(cubes, 2);
    pattern[3] = PaletteIndexInColumn(cubes, 3);
}

void FillShadedPixels(uint8_t *row, const SpanEnds &ends, const uint32_t *levels) {
    ShadedSpan span = StartShadedSpan(ends);
    for (int32_t x = span.left; x <= span.right; ++x, span.Advance()) {
        uint32_t cubes =
            CubesAcrossRow(levels, span.red.Value(), span.green.Value(), span.blue.Value());
        row[x] = PaletteIndexInColumn(cubes, x & 3);
    }
}

// A run of one colour repeats its four dithered pixels, so it is written like a halftone span.
void FillShadedRuns(uint8_t *row, const SpanEnds &ends, const uint32_t *levels) {
    int32_t count = ends.Count();
    ChannelRuns red(ends.from[0], ends.to[0], count);
    ChannelRuns green(ends.from[1], ends.to[1], count);
    ChannelRuns blue(ends.from[2], ends.to[2], count);
    for (int32_t x = ends.left; x <= ends.right;) {
        int32_t run = std::min({ends.right - x + 1, red.Left(), green.Left(), blue.Left()});
        uint8_t pattern[4];
        DitherAcrossRow(levels, red.Value(), green.Value(), blue.Value(), pattern);
        FillSpan(row, x, x + run - 1, pattern);
        x += run;
        red.Skip(run);
        green.Skip(run);
        blue.Skip(run);
    }
}

int32_t Distance(const SpanEnds &ends, int channel) {
    return std::abs(int32_t{ends.to[channel]} - int32_t{ends.from[channel]});
}

void FillShadedRow(const FillTarget &target, int32_t y) {
    SpanEnds ends = ShadedSpanEnds(target.edges[y]);
    int32_t red = Distance(ends, 0), green = Distance(ends, 1), blue = Distance(ends, 2);
    uint8_t *row = target.Row(y);
    const uint32_t *levels = kRowLevels.packed[y & 3];
    if ((red | green | blue) <= 1) {
        // Channels that move by one at most keep their left value (see ChannelRuns).
        uint8_t pattern[4];
        DitherAcrossRow(levels, ends.from[0], ends.from[1], ends.from[2], pattern);
        FillSpan(row, ends.left, ends.right, pattern);
    } else if (2 * (red + green + blue) < ends.Count()) {
        // Runs pay for their set-up when the colour changes on few of the pixels.
        FillShadedRuns(row, ends, levels);
    } else {
        FillShadedPixels(row, ends, levels);
    }
}

// True when every corner has the same channels on the 0..80 scale.
bool HasOneColor(const ClipPolygon &polygon) {
    for (int32_t i = 1; i < polygon.count; ++i) {
        if (std::memcmp(polygon.channels[i], polygon.channels[0], 3) != 0) return false;
    }
    return true;
}

// pattern[16] holds the colour (channels on the 0..80 scale) dithered over four memory rows.
void BuildShadedPattern(const uint8_t *channels, uint8_t *pattern) {
    for (int32_t row = 0; row < 4; ++row) {
        DitherAcrossRow(kRowLevels.packed[row], channels[0], channels[1], channels[2],
                        pattern + 4 * row);
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
    if (HasOneColor(polygon)) {
        // Every edge and span keeps the corners' colour: the fill is a pattern, as in halftone.
        uint8_t pattern[16];
        BuildShadedPattern(polygon.channels[0], pattern);
        if (!WalkEdges(polygon, target, EdgeColors::Ignore, &range)) return 0;
        FillRows(target, range, pattern);
        return 1;
    }
    if (!WalkEdges(polygon, target, EdgeColors::Walk, &range)) return 0;
    for (int32_t y = range.lowest; y <= range.highest; ++y) FillShadedRow(target, y);
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
