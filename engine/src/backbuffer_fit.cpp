// Whether the back buffer, which SetVirtualScreen may have lent from the client, fits what the
// engine writes into it. A misfit is refused before anything is written, and said once.
#include "context.h"
#include "messages.h"

namespace trazel {
namespace {

// Larger sides are refused: they keep the outline's clipping products below 2^63.
constexpr int32_t kLargestSide = 1 << 24;

enum class Misfit { None, TooLarge, RowsTooShort, NotPixelFormat, SurfaceTooSmall, NotRgbImage };

// Fillers run many times a frame, so each kind of drawing says its misfit once per situation: until
// the drawing fits or the back buffer changes.
SituationLatch pixelsLatch;
SituationLatch presentLatch;

int32_t PixelBytes() {
    return context.paletteMode ? 1 : 4;
}

// The cairo format whose pixels are the ones the engine writes into the bits.
cairo_format_t PixelFormat() {
    return context.paletteMode ? CAIRO_FORMAT_A8 : CAIRO_FORMAT_RGB24;
}

const char *FormatName(cairo_format_t format) {
    return format == CAIRO_FORMAT_A8 ? "A8" : "RGB24";
}

int64_t Rows(const BackBuffer &back) {
    return back.height < 0 ? -int64_t{back.height} : int64_t{back.height};
}

// Clearing a palette buffer writes the padding at the end of its last row too.
int64_t BytesWritten(const BackBuffer &back) {
    if (context.paletteMode) return Rows(back) * back.stride;
    return (Rows(back) - 1) * back.stride + int64_t{back.width} * PixelBytes();
}

bool IsImage(cairo_surface_t *surface) {
    return surface != nullptr && cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE &&
           cairo_image_surface_get_data(surface) != nullptr;
}

// Bits that lie in a lent image's pixels must be pixels of the engine's format, and every byte the
// engine writes must lie in that image too. Bits of their own are the client's to size.
Misfit SurfaceMisfit(const BackBuffer &back) {
    if (!IsImage(back.surface)) return Misfit::None;
    auto start = reinterpret_cast<uintptr_t>(cairo_image_surface_get_data(back.surface));
    uintptr_t size = uintptr_t(cairo_image_surface_get_stride(back.surface)) *
                     uintptr_t(cairo_image_surface_get_height(back.surface));
    // Bits below the image wrap round to a large offset.
    uintptr_t offset = reinterpret_cast<uintptr_t>(back.bits) - start;
    if (offset >= size) return Misfit::None;
    if (cairo_image_surface_get_format(back.surface) != PixelFormat())
        return Misfit::NotPixelFormat;
    return uint64_t(BytesWritten(back)) <= size - offset ? Misfit::None : Misfit::SurfaceTooSmall;
}

Misfit PixelsMisfit(const BackBuffer &back) {
    if (back.width > kLargestSide || Rows(back) > kLargestSide) return Misfit::TooLarge;
    // A surface of the wrong format is the likelier mistake, and its rows are then too short too.
    Misfit surfaceMisfit = SurfaceMisfit(back);
    if (surfaceMisfit != Misfit::None) return surfaceMisfit;
    if (int64_t{back.stride} < int64_t{back.width} * PixelBytes()) return Misfit::RowsTooShort;
    return Misfit::None;
}

void Report(Misfit misfit) {
    void *owner = context.back.owner;
    switch (misfit) {
        case Misfit::None:
            break;
        case Misfit::TooLarge:
            ShowMessage(MessageGate::WhenMessagesOn, owner, "大きすぎる画面に描画できません。");
            break;
        case Misfit::RowsTooShort:
            ShowMessage(MessageGate::WhenMessagesOn, owner,
                        "行幅が幅に足りない画面に描画できません。");
            break;
        case Misfit::NotPixelFormat:
        case Misfit::NotRgbImage:
            ShowMessageFormat(
                MessageGate::WhenMessagesOn, owner, "%s形式でないサーフェスに描画できません。",
                FormatName(misfit == Misfit::NotRgbImage ? CAIRO_FORMAT_RGB24 : PixelFormat()));
            break;
        case Misfit::SurfaceTooSmall:
            ShowMessage(MessageGate::WhenMessagesOn, owner,
                        "画面より小さいサーフェスに描画できません。");
            break;
    }
}

// True for a fit, which ends the situation; a misfit is said when its situation arises.
bool Fits(SituationLatch &latch, Misfit misfit) {
    if (misfit == Misfit::None) {
        latch.Clear();
        return true;
    }
    if (latch.Arise()) Report(misfit);
    return false;
}

}  // namespace

bool CanWriteBackBuffer() {
    return HasBackBuffer() && Fits(pixelsLatch, PixelsMisfit(context.back));
}

void ForgetMisfits() {
    pixelsLatch.Clear();
    presentLatch.Clear();
}

bool CanConvertIntoSurface() {
    cairo_surface_t *surface = context.back.surface;
    bool rgbImage =
        IsImage(surface) && cairo_image_surface_get_format(surface) == CAIRO_FORMAT_RGB24;
    return Fits(presentLatch, rgbImage ? Misfit::None : Misfit::NotRgbImage);
}

}  // namespace trazel
