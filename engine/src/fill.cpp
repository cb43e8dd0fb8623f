// The fill exports, which pick the palette or true-colour filler, and the wire-frame outline.
#include "fill.h"

#include <algorithm>
#include <cstring>

#include "context.h"
#include "fill_edges.h"
#include "fill_palette.h"
#include "fill_truecolor.h"

namespace trazel {
namespace {

bool AcceptsPolygon(const TzPoint *points, int32_t count) {
    return points != nullptr && count >= 1 && count <= TZ_MAX_FILL_POINTS;
}

// One pixel of the outline colour at a point known to lie within the buffer.
struct Plotter {
    const FillTarget &target;
    uint8_t index;
    uint32_t pixel;

    void Plot(int32_t x, int32_t y) const {
        uint8_t *row = target.Row(target.MemoryRow(y));
        if (target.pixelBytes == 1) {
            row[x] = index;
        } else {
            std::memcpy(row + 4 * int64_t{x}, &pixel, sizeof pixel);
        }
    }
};

enum class MajorAxis { X, Y };

// A line seen along its longer (major) axis: one pixel per major step t = 0..majorLength, and
// across it the pixel nearest the ideal line, floor((2 t minorLength + majorLength) /
// (2 majorLength)) steps from the start, so halves round away from the start.
struct Line {
    int64_t majorStart, minorStart;
    int32_t majorDirection, minorDirection;
    int64_t majorLength, minorLength;
    int32_t majorLimit, minorLimit;  // pixels along each axis of the buffer
    MajorAxis major;
};

// Rounds up a quotient of positive values.
int64_t CeilingDivide(int64_t numerator, int64_t denominator) {
    return (numerator + denominator - 1) / denominator;
}

// The steps t that keep start + direction * offset(t) within 0..limit-1, for an offset that
// grows by one per step.
void ClampSteps(int64_t start, int32_t direction, int32_t limit, int64_t *first, int64_t *last) {
    int64_t low = direction > 0 ? -start : start - (limit - 1);
    int64_t high = direction > 0 ? limit - 1 - start : start;
    *first = std::max(*first, low);
    *last = std::min(*last, high);
}

// The same for the minor axis, whose offset grows by one every majorLength / minorLength steps.
// Ends within kCoordinateLimit keep every product below 2^63.
void ClampMinorSteps(const Line &line, int64_t *first, int64_t *last) {
    int64_t lowOffset =
        line.minorDirection > 0 ? -line.minorStart : line.minorStart - (line.minorLimit - 1);
    int64_t highOffset =
        line.minorDirection > 0 ? line.minorLimit - 1 - line.minorStart : line.minorStart;
    if (highOffset < 0 || (line.minorLength == 0 && lowOffset > 0)) {
        *last = -1;
        return;
    }
    if (line.minorLength == 0) return;
    int64_t twiceMinor = 2 * line.minorLength;
    if (lowOffset > 0) {
        *first =
            std::max(*first, CeilingDivide((2 * lowOffset - 1) * line.majorLength, twiceMinor));
    }
    *last = std::min(*last, CeilingDivide((2 * highOffset + 1) * line.majorLength, twiceMinor) - 1);
}

// Steps only over the part of the line inside the buffer, however far away its ends are.
void DrawLine(const Line &line, const Plotter &plotter) {
    int64_t first = 0;
    int64_t last = line.majorLength;
    ClampSteps(line.majorStart, line.majorDirection, line.majorLimit, &first, &last);
    ClampMinorSteps(line, &first, &last);
    if (first > last) return;
    // Unsigned: 2 t minorLength + majorLength can pass 2^63 for ends 2^31 apart.
    uint64_t period = 2 * uint64_t(std::max<int64_t>(line.majorLength, 1));
    uint64_t numerator =
        2 * uint64_t(first) * uint64_t(line.minorLength) + uint64_t(line.majorLength);
    auto offset = static_cast<int64_t>(numerator / period);
    uint64_t error = numerator % period;
    for (int64_t t = first; t <= last; ++t) {
        auto major = static_cast<int32_t>(line.majorStart + line.majorDirection * t);
        auto minor = static_cast<int32_t>(line.minorStart + line.minorDirection * offset);
        if (line.major == MajorAxis::X) {
            plotter.Plot(major, minor);
        } else {
            plotter.Plot(minor, major);
        }
        error += 2 * uint64_t(line.minorLength);
        if (error >= period) {
            error -= period;
            ++offset;
        }
    }
}

Line LineBetween(TzPoint start, TzPoint end, const FillTarget &target) {
    start = ClampedPoint(start);
    end = ClampedPoint(end);
    int64_t dx = int64_t{end.x} - start.x;
    int64_t dy = int64_t{end.y} - start.y;
    int64_t width = dx < 0 ? -dx : dx;
    int64_t height = dy < 0 ? -dy : dy;
    int32_t xDirection = dx < 0 ? -1 : 1;
    int32_t yDirection = dy < 0 ? -1 : 1;
    if (width >= height) {
        return Line{.majorStart = start.x,
                    .minorStart = start.y,
                    .majorDirection = xDirection,
                    .minorDirection = yDirection,
                    .majorLength = width,
                    .minorLength = height,
                    .majorLimit = target.width,
                    .minorLimit = target.rows,
                    .major = MajorAxis::X};
    }
    return Line{.majorStart = start.y,
                .minorStart = start.x,
                .majorDirection = yDirection,
                .minorDirection = xDirection,
                .majorLength = height,
                .minorLength = width,
                .majorLimit = target.rows,
                .minorLimit = target.width,
                .major = MajorAxis::Y};
}

}  // namespace

void DrawOutline(const TzPoint *points, int32_t count, TzColor color) {
    FillTarget target;
    if (points == nullptr || count < 1 || !AcquireBuffer(&target)) return;
    Plotter plotter{target, PaletteIndexOf(color), PixelOf(color)};
    for (int32_t i = 0; i < count; ++i) {
        DrawLine(LineBetween(points[i], points[(i + 1) % count], target), plotter);
    }
}

}  // namespace trazel

using namespace trazel;

extern "C" int32_t TzFillPolygon(const TzPoint *points, int32_t count, TzColor color) {
    if (!AcceptsPolygon(points, count)) return 0;
    return context.paletteMode ? FillPaletteFlat(points, count, color)
                               : FillTrueColorFlat(points, count, color);
}

extern "C" int32_t TzFillPolygonHalftone(const TzPoint *points, int32_t count, TzColor color) {
    if (!AcceptsPolygon(points, count)) return 0;
    // A solid brush on a true-colour screen is not dithered.
    return context.paletteMode ? FillPaletteHalftone(points, count, color)
                               : FillTrueColorFlat(points, count, color);
}

extern "C" int32_t TzFillPolygonGouraudShading(const TzPoint *points, int32_t count,
                                               const TzColor *colors) {
    if (!AcceptsPolygon(points, count) || colors == nullptr) return 0;
    return context.paletteMode ? FillPaletteGouraud(points, count, colors)
                               : FillTrueColorGouraud(points, count, colors);
}

extern "C" int32_t TzPatBlt(TzColor color) {
    return context.paletteMode ? ClearPalette(color) : ClearTrueColor(color);
}
