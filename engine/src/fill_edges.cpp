// The edge walk shared by every filler: error-term steppers write each edge's x (and colour) into
// the edge table, one entry per memory row.
#include "fill_edges.h"

#include <algorithm>
#include <climits>

namespace trazel {
namespace {

struct Edge {
    int32_t from;
    int32_t to;
    int32_t slot;
    int32_t rowStep;
    int32_t rows;  // rows walked before the last one
};

void WalkX(const ClipPolygon &polygon, const Edge &edge, EdgeRow *edges) {
    const TzPoint &start = polygon.points[edge.from];
    const TzPoint &end = polygon.points[edge.to];
    ErrorStepper x(start.x, end.x, edge.rows, edge.rows / 2);
    int32_t row = start.y;
    for (int32_t i = 0; i < edge.rows; ++i, row += edge.rowStep) {
        edges[row].x[edge.slot] = x.Value();
        x.Advance();
    }
    edges[row].x[edge.slot] = x.Value();
}

// x and the three channels stepped together: one pass over the edge's rows instead of four.
void WalkShaded(const ClipPolygon &polygon, const Edge &edge, EdgeRow *edges) {
    const TzPoint &start = polygon.points[edge.from];
    const TzPoint &end = polygon.points[edge.to];
    const uint8_t *from = polygon.channels[edge.from], *to = polygon.channels[edge.to];
    int32_t initialError = edge.rows / 2;
    ErrorStepper x(start.x, end.x, edge.rows, initialError);
    ErrorStepper red(from[0], to[0], edge.rows, initialError);
    ErrorStepper green(from[1], to[1], edge.rows, initialError);
    ErrorStepper blue(from[2], to[2], edge.rows, initialError);
    int32_t row = start.y;
    for (int32_t i = 0;; ++i, row += edge.rowStep) {
        EdgeRow &entry = edges[row];
        entry.x[edge.slot] = x.Value();
        entry.channel[edge.slot][0] = static_cast<uint8_t>(red.Value());
        entry.channel[edge.slot][1] = static_cast<uint8_t>(green.Value());
        entry.channel[edge.slot][2] = static_cast<uint8_t>(blue.Value());
        if (i == edge.rows) break;  // the end row is stored too, and not stepped from
        x.Advance();
        red.Advance();
        green.Advance();
        blue.Advance();
    }
}

}  // namespace

bool AcquireBuffer(FillTarget *target) {
    if (!CanWriteBackBuffer()) return false;
    const BackBuffer &back = context.back;
    int32_t rows = back.height < 0 ? -back.height : back.height;
    int32_t pixelBytes = context.paletteMode ? 1 : 4;
    bool bottomUp = context.paletteMode && back.height > 0;
    *target = FillTarget{static_cast<uint8_t *>(back.bits),
                         back.width,
                         rows,
                         back.stride,
                         pixelBytes,
                         bottomUp ? RowOrder::BottomUp : RowOrder::TopDown,
                         back.edges};
    return true;
}

bool AcquireFillTarget(FillTarget *target) {
    return AcquireBuffer(target) && target->edges != nullptr &&
           context.back.edgeRows >= target->rows;
}

bool WalkEdges(ClipPolygon &polygon, const FillTarget &target, EdgeColors colors, RowRange *range) {
    if (target.order == RowOrder::BottomUp) {
        for (int32_t i = 0; i < polygon.count; ++i) {
            polygon.points[i].y = target.MemoryRow(polygon.points[i].y);
        }
    }
    int32_t lowest = INT32_MAX;
    int32_t highest = INT32_MIN;
    int32_t previous = polygon.count - 1;
    for (int32_t current = 0; current < polygon.count; previous = current++) {
        int32_t startRow = polygon.points[previous].y;
        int32_t endRow = polygon.points[current].y;
        if (startRow == endRow) continue;
        bool down = endRow > startRow;
        Edge edge{previous, current, down ? 0 : 1, down ? 1 : -1,
                  down ? endRow - startRow : startRow - endRow};
        if (colors == EdgeColors::Walk) {
            WalkShaded(polygon, edge, target.edges);
        } else {
            WalkX(polygon, edge, target.edges);
        }
        lowest = std::min(lowest, std::min(startRow, endRow));
        highest = std::max(highest, std::max(startRow, endRow));
    }
    *range = RowRange{lowest, highest};
    return highest > lowest;
}

bool ScanFlatPolygon(const TzPoint *points, int32_t count, const FillTarget &target,
                     RowRange *range) {
    if (count < 1 || count > TZ_MAX_FILL_POINTS) return false;
    ClipPolygon polygon;
    for (int32_t i = 0; i < count; ++i) polygon.points[i] = ClampedPoint(points[i]);
    polygon.count = count;
    if (!ClipToBuffer(polygon, target.width, target.rows, ClipColors::Ignore)) return false;
    return WalkEdges(polygon, target, EdgeColors::Ignore, range);
}

bool ClipShadedPolygon(const TzPoint *points, const TzColor *colors, int32_t count,
                       const FillTarget &target, ClipPolygon *polygon) {
    if (count < 1 || count > TZ_MAX_FILL_POINTS) return false;
    for (int32_t i = 0; i < count; ++i) {
        polygon->points[i] = ClampedPoint(points[i]);
        polygon->channels[i][0] = static_cast<uint8_t>(TZ_RED(colors[i]));
        polygon->channels[i][1] = static_cast<uint8_t>(TZ_GREEN(colors[i]));
        polygon->channels[i][2] = static_cast<uint8_t>(TZ_BLUE(colors[i]));
    }
    polygon->count = count;
    return ClipToBuffer(*polygon, target.width, target.rows, ClipColors::Interpolate) &&
           polygon->count >= 3;
}

}  // namespace trazel
