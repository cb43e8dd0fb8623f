// The painter's algorithm: the polygon list sorted farthest first and handed to the fillers.
#include "draw.h"

#include "fill.h"
#include "messages.h"
#include "record3da.h"
#include "sort.h"

namespace trazel {
namespace {

constexpr int32_t kNoMode = -1;
int32_t warnedUnknownMode = kNoMode;  // an unknown mode is reported once, not every frame

void DrawOutlines(int32_t count) {
    const ScreenPolygon *polygons = context.work.polygons;
    for (int32_t i = 0; i < count; ++i) {
        DrawOutline(polygons[i].points, polygons[i].count, TZ_RGB(255, 255, 255));
    }
}

void FillPolygon(const ScreenPolygon &polygon, int32_t mode) {
    switch (mode) {
        case TZ_MODEL_SOLID:
            TzFillPolygon(polygon.points, polygon.count, polygon.color);
            break;
        case TZ_MODEL_GOURAUD:
            TzFillPolygonGouraudShading(polygon.points, polygon.count, polygon.vertexColors);
            break;
        case TZ_MODEL_RECORD:
            RecordPolygon(polygon);
            [[fallthrough]];
        default:
            TzFillPolygonHalftone(polygon.points, polygon.count, polygon.color);
            break;
    }
}

void FillSorted(int32_t count, int32_t mode) {
    FrameWork &work = context.work;
    SortFarthestFirst(work.polygons, count, work.order, work.orderScratch);
    for (int32_t i = 0; i < count; ++i) FillPolygon(work.polygons[work.order[i]], mode);
}

// The recording file could not be opened or written: drawing goes on in halftone.
void StopRecording() {
    context.modelMode = TZ_MODEL_HALFTONE;
}

}  // namespace

bool IsKnownModelMode(int32_t mode) {
    return (mode >= TZ_MODEL_WIRE && mode <= TZ_MODEL_RECORD) || mode == TZ_MODEL_NOTHING;
}

void DrawPolygonList(int32_t count) {
    int32_t mode = context.modelMode;
    if (!IsKnownModelMode(mode)) {
        if (mode != warnedUnknownMode)
            ShowMessage(MessageGate::Always, nullptr, "ModelModeが不正です。");
        warnedUnknownMode = mode;
        return;
    }
    warnedUnknownMode = kNoMode;
    if (mode == TZ_MODEL_NOTHING) return;
    if (mode == TZ_MODEL_WIRE) {
        DrawOutlines(count);
        return;
    }
    if (mode == TZ_MODEL_RECORD && !BeginRecordedFrame()) {
        StopRecording();
        mode = TZ_MODEL_HALFTONE;
    }
    FillSorted(count, mode);
    if (mode == TZ_MODEL_RECORD && !EndRecordedFrame()) StopRecording();
}

}  // namespace trazel
