// Opening and closing the engine, and the view settings that outlive a close.
#include "context.h"

#include <cmath>
#include <cstdlib>

#include "angles.h"
#include "messages.h"

namespace trazel {

Context context;

bool CreateTrackingTable();

namespace {

// Zeroed, and outside the tracked blocks: those are the client's, and a client's
// TzAllFree must neither release the engine's memory nor report it as a leak.
template <typename T>
bool AllocateWork(T **array, int32_t count) {
    *array = static_cast<T *>(std::calloc(static_cast<size_t>(count), sizeof(T)));
    return *array != nullptr;
}

template <typename T>
void ReleaseWork(T **array) {
    std::free(*array);
    *array = nullptr;
}

bool AllocateFrameWork(FrameWork &work) {
    return AllocateWork(&work.polygons, TZ_MAX_POLYGONS) &&
           AllocateWork(&work.order, TZ_MAX_POLYGONS) &&
           AllocateWork(&work.orderScratch, TZ_MAX_POLYGONS) &&
           AllocateWork(&work.viewDepth, TZ_MAX_VERTICES) &&
           AllocateWork(&work.viewY, TZ_MAX_VERTICES) &&
           AllocateWork(&work.viewZ, TZ_MAX_VERTICES) &&
           AllocateWork(&work.screen, TZ_MAX_VERTICES) &&
           AllocateWork(&work.needed, TZ_MAX_VERTICES) && AllocateWork(&work.facing, TZ_MAX_PLANES);
}

void ReleaseFrameWork(FrameWork &work) {
    ReleaseWork(&work.polygons);
    ReleaseWork(&work.order);
    ReleaseWork(&work.orderScratch);
    ReleaseWork(&work.viewDepth);
    ReleaseWork(&work.viewY);
    ReleaseWork(&work.viewZ);
    ReleaseWork(&work.screen);
    ReleaseWork(&work.needed);
    ReleaseWork(&work.facing);
}

void NormaliseLight() {
    Vector3 &light = context.light;
    float length = std::sqrt(light.x * light.x + light.y * light.y + light.z * light.z);
    if (length == 0.0f) return;
    light = Vector3{light.x / length, light.y / length, light.z / length};
}

}  // namespace

void CloseRecording();

}  // namespace trazel

using namespace trazel;

extern "C" int32_t TzSetDisplayFormat(int32_t format) {
    if (context.open) return 0;
    if (format != TZ_DISPLAY_TRUE_COLOR && format != TZ_DISPLAY_PALETTE) return 0;
    context.displayFormat = format;
    return 1;
}

extern "C" int32_t TzGetDisplayFormat(void) {
    return context.displayFormat;
}

extern "C" int32_t OpenTrazel(int32_t messages) {
    if (context.open) return 1;
    context.messages = messages;
    if (!CreateTrackingTable()) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, "メモリが足りません。");
        return 0;
    }
    BuildAngleTables();
    if (!AllocateFrameWork(context.work)) {
        ReleaseFrameWork(context.work);
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, "メモリが足りません。");
        return 0;
    }
    context.objectPointProc = nullptr;
    NormaliseLight();
    context.paletteMode = context.displayFormat == TZ_DISPLAY_PALETTE;
    BuildHalftonePalette(&context.palette);
    context.open = true;
    return 1;
}

extern "C" void CloseTrazel(void) {
    if (!context.open) return;
    context.open = false;
    ReleaseFrameWork(context.work);
    CloseRecording();
    ReleaseBackBuffer();
    TzAllFree();
}

extern "C" void SetScreenDistance(float distance) {
    if (distance > 0.0f) context.screenDistance = distance;
}

extern "C" float GetScreenDistance(void) {
    return context.screenDistance;
}

extern "C" void SetClipDistance(float distance) {
    if (distance > 0.0f) context.clipDistance = distance;
}

extern "C" float GetClipDistance(void) {
    return context.clipDistance;
}

extern "C" void SetCenter(float x, float y) {
    context.centerX = x;
    context.centerY = y;
}

extern "C" void GetCenter(float *x, float *y) {
    if (x != nullptr) *x = context.centerX;
    if (y != nullptr) *y = context.centerY;
}

extern "C" void SetModelMode(int32_t mode) {
    if (mode == TZ_MODEL_GOURAUD && !context.paletteMode) mode = TZ_MODEL_HALFTONE;
    context.modelMode = mode;
}

extern "C" int32_t GetModelMode(void) {
    return context.modelMode;
}

extern "C" void SetLight(const Vector3 *direction, float ambient) {
    if (direction != nullptr) {
        float length = std::sqrt(direction->x * direction->x + direction->y * direction->y +
                                 direction->z * direction->z);
        if (length != 0.0f && std::isfinite(length)) {
            context.light =
                Vector3{direction->x / length, direction->y / length, direction->z / length};
        }
    }
    if (ambient >= 0.0f && ambient <= 1.0f) context.ambient = ambient;
}

extern "C" void GetLight(Vector3 *direction, float *ambient) {
    if (direction != nullptr) *direction = context.light;
    if (ambient != nullptr) *ambient = context.ambient;
}
