// Sutherland-Hodgman clipping against the buffer's columns and then its rows, with crossings
// rounded to the nearest pixel.
#include "fill_clip.h"

namespace trazel {
namespace {

enum class Axis { Columns, Rows };
enum class Side { Before, Inside, After };

int32_t Along(const TzPoint &point, Axis axis) {
    return axis == Axis::Columns ? point.x : point.y;
}
int32_t Across(const TzPoint &point, Axis axis) {
    return axis == Axis::Columns ? point.y : point.x;
}

TzPoint Compose(int32_t along, int32_t across, Axis axis) {
    return axis == Axis::Columns ? TzPoint{along, across} : TzPoint{across, along};
}

// One pass against the lines 0 and last of one axis.
struct ClipPass {
    const ClipPolygon &in;
    ClipPolygon &out;
    Axis axis;
    int32_t last;
    ClipColors colors;
};

Side SideOf(const ClipPass &pass, int32_t index) {
    int32_t along = Along(pass.in.points[index], pass.axis);
    if (along < 0) return Side::Before;
    return along > pass.last ? Side::After : Side::Inside;
}

int32_t Boundary(const ClipPass &pass, Side side) {
    return side == Side::Before ? 0 : pass.last;
}

void EmitCorner(const ClipPass &pass, int32_t index) {
    ClipPolygon &out = pass.out;
    out.points[out.count] = pass.in.points[index];
    if (pass.colors == ClipColors::Interpolate) {
        for (int channel = 0; channel < 3; ++channel) {
            out.channels[out.count][channel] = pass.in.channels[index][channel];
        }
    }
    ++out.count;
}

// The point where the edge from -> to meets the line at boundary. The crossing lies between the
// edge's ends, so the rounded results fit their int32 and 8-bit homes.
void EmitCrossing(const ClipPass &pass, int32_t from, int32_t to, int32_t boundary) {
    const TzPoint &start = pass.in.points[from];
    const TzPoint &end = pass.in.points[to];
    int64_t length = int64_t{Along(end, pass.axis)} - Along(start, pass.axis);
    int64_t offset = int64_t{boundary} - Along(start, pass.axis);
    int64_t across = Across(start, pass.axis);
    if (length != 0)
        across += MulDivRounded(int64_t{Across(end, pass.axis)} - across, offset, length);
    ClipPolygon &out = pass.out;
    out.points[out.count] = Compose(boundary, static_cast<int32_t>(across), pass.axis);
    if (pass.colors == ClipColors::Interpolate) {
        for (int channel = 0; channel < 3; ++channel) {
            int64_t first = pass.in.channels[from][channel];
            int64_t change = int64_t{pass.in.channels[to][channel]} - first;
            int64_t value = length != 0 ? first + MulDivRounded(change, offset, length) : first;
            out.channels[out.count][channel] = static_cast<uint8_t>(value);
        }
    }
    ++out.count;
}

// Every corner emits at most two points, so the output holds twice the input at most.
void Clip(const ClipPass &pass) {
    pass.out.count = 0;
    int32_t previous = pass.in.count - 1;
    for (int32_t current = 0; current < pass.in.count; previous = current++) {
        Side from = SideOf(pass, previous);
        Side to = SideOf(pass, current);
        if (from == to) {
            if (to == Side::Inside) EmitCorner(pass, current);
            continue;
        }
        if (from != Side::Inside) EmitCrossing(pass, previous, current, Boundary(pass, from));
        if (to == Side::Inside) {
            EmitCorner(pass, current);
        } else {
            EmitCrossing(pass, previous, current, Boundary(pass, to));
        }
    }
}

bool LiesWithin(const ClipPolygon &polygon, int32_t width, int32_t rows) {
    for (int32_t i = 0; i < polygon.count; ++i) {
        const TzPoint &point = polygon.points[i];
        if (point.x < 0 || point.x >= width || point.y < 0 || point.y >= rows) return false;
    }
    return true;
}

}  // namespace

int64_t MulDivRounded(int64_t multiplicand, int64_t multiplier, int64_t divisor) {
    int64_t product = multiplicand * multiplier;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    int64_t half = divisor / 2;
    return product < 0 ? (product - half) / divisor : (product + half) / divisor;
}

bool ClipToBuffer(ClipPolygon &polygon, int32_t width, int32_t rows, ClipColors colors) {
    if (polygon.count <= 0 || width <= 0 || rows <= 0) return false;
    // Clipping a polygon that lies within the buffer emits its corners unchanged.
    if (LiesWithin(polygon, width, rows)) return true;
    ClipPolygon columns;
    Clip(ClipPass{polygon, columns, Axis::Columns, width - 1, colors});
    Clip(ClipPass{columns, polygon, Axis::Rows, rows - 1, colors});
    return polygon.count > 0;
}

}  // namespace trazel
