// Near-plane clipping of planes whose object straddles the clipping distance.
#include "clip.h"

#include "numeric.h"

namespace trazel {
namespace {

uint8_t Blend(int channelFrom, int channelTo, float t) {
    return static_cast<uint8_t>(TruncateToInt32(channelFrom + (channelTo - channelFrom) * t));
}

TzColor BlendColor(TzColor from, TzColor to, float t) {
    return TZ_RGB(Blend(TZ_RED(from), TZ_RED(to), t), Blend(TZ_GREEN(from), TZ_GREEN(to), t),
                  Blend(TZ_BLUE(from), TZ_BLUE(to), t));
}

// Output of the walk: points, and colours when the caller wants them.
struct ClipOutput {
    TzPoint *points;
    TzColor *colors;
    int32_t count;

    void Emit(TzPoint point, TzColor color) {
        points[count] = point;
        if (colors != nullptr) colors[count] = color;
        ++count;
    }
};

void EmitCrossing(const CornerView &from, const CornerView &to, float clip,
                  const Projection &projection, ClipOutput &out) {
    float t = (clip - from.depth) / (to.depth - from.depth);
    float y = from.y + (to.y - from.y) * t;
    float z = from.z + (to.z - from.z) * t;
    out.Emit(ProjectInFrame(projection, y, z, clip), BlendColor(from.color, to.color, t));
}

}  // namespace

bool WhollyInFront(const CornerView *corners, int32_t count, float clip) {
    for (int32_t i = 0; i < count; ++i) {
        if (!(corners[i].depth >= clip)) return false;
    }
    return true;
}

int32_t ClipToNearPlane(const CornerView *corners, int32_t count, float clip,
                        const Projection &projection, TzPoint *points, TzColor *colors) {
    bool anyBeyond = false;
    for (int32_t i = 0; i < count; ++i) anyBeyond = anyBeyond || corners[i].depth > clip;
    if (!anyBeyond) return 0;
    ClipOutput out{points, colors, 0};
    const CornerView *previous = &corners[count - 1];
    for (int32_t i = 0; i < count; ++i) {
        const CornerView &current = corners[i];
        bool previousInFront = previous->depth >= clip, currentInFront = current.depth >= clip;
        if (previousInFront != currentInFront) {
            EmitCrossing(*previous, current, clip, projection, out);
        }
        if (currentInFront) out.Emit(current.screen, current.color);
        previous = &current;
    }
    return out.count;
}

}  // namespace trazel
