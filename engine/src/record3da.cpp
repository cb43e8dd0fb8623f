// TRAZEL.3DA: a signature, then per frame its polygons in drawing order and an end marker.
#include "record3da.h"

#include "messages.h"

namespace trazel {
namespace {

constexpr char kFileName[] = "TRAZEL.3DA";
constexpr char kSignature[20] = "Glorieusant3D Anime";  // 19 characters and the zero byte

uint8_t *PutInt32(uint8_t *out, int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) *out++ = static_cast<uint8_t>(bits >> (8 * i));
    return out;
}

}  // namespace

bool BeginRecordedFrame() {
    if (context.recording != nullptr) return true;
    context.recording = std::fopen(kFileName, "wb");
    if (context.recording == nullptr ||
        std::fwrite(kSignature, 1, sizeof kSignature, context.recording) != sizeof kSignature) {
        CloseRecording();
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, "'TRAZEL.3DA'がオープンできません。");
        return false;
    }
    return true;
}

void RecordPolygon(const ScreenPolygon &polygon) {
    uint8_t record[4 + 8 * kMaxScreenPoints];
    uint8_t *out = record;
    *out++ = static_cast<uint8_t>(polygon.count);
    *out++ = static_cast<uint8_t>(TZ_RED(polygon.color));
    *out++ = static_cast<uint8_t>(TZ_GREEN(polygon.color));
    *out++ = static_cast<uint8_t>(TZ_BLUE(polygon.color));
    for (int32_t i = 0; i < polygon.count; ++i) {
        out = PutInt32(out, polygon.points[i].x);
        out = PutInt32(out, polygon.points[i].y);
    }
    std::fwrite(record, 1, static_cast<size_t>(out - record), context.recording);
}

bool EndRecordedFrame() {
    static const uint8_t kEndOfFrame[2] = {0xFF, 0xFF};
    std::fwrite(kEndOfFrame, 1, sizeof kEndOfFrame, context.recording);
    // Flushed every frame, so a full disk is noticed at once and what was written is complete.
    if (std::fflush(context.recording) == 0 && !std::ferror(context.recording)) return true;
    CloseRecording();
    ShowMessage(MessageGate::WhenMessagesOn, nullptr, "'TRAZEL.3DA'に書き込めません。");
    return false;
}

void CloseRecording() {
    if (context.recording != nullptr) std::fclose(context.recording);
    context.recording = nullptr;
}

}  // namespace trazel
