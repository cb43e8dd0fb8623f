// Whether the back buffer, which SetVirtualScreen may have lent from the client, fits what the
// engine writes into it. A misfit is refused before anything is written, and said once.
#include "context.h"
#include "messages.h"

namespace trazel {
namespace {

// Larger sides are refused: they keep the outline's clipping products below 2^63.
constexpr int32_t kLargestSide = 1 << 24;

enum class Misfit { None, TooLarge, RowsTooShort, NotPixelFormat, MemoryTooSmall, NotRgbImage };

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

// A block of memory whose size the engine knows.
struct Block {
    const void *start;
    size_t size;

    // Bits below the block wrap round to a large offset.
    uintptr_t OffsetOf(const void *bits) const {
        return reinterpret_cast<uintptr_t>(bits) - reinterpret_cast<uintptr_t>(start);
    }
    bool Holds(const void *bits) const { return start != nullptr && OffsetOf(bits) < size; }
    bool HoldsAllWritten(const BackBuffer &back) const {
        return uint64_t(BytesWritten(back)) <= size - OffsetOf(back.bits);
    }
};

Block PixelsOf(cairo_surface_t *surface) {
    if (!IsImage(surface)) return Block{nullptr, 0};
    return Block{cairo_image_surface_get_data(surface),
                 size_t(cairo_image_surface_get_stride(surface)) *
                     size_t(cairo_image_surface_get_height(surface))};
}

// Bits that lie in a lent image's pixels must be pixels of the engine's format, and every byte the
// engine writes must lie in that image too; the same goes for the engine's own bits. Bits of the
// client's own are its to size.
Misfit MemoryMisfit(const BackBuffer &back) {
    Block image = PixelsOf(back.surface);
    if (image.Holds(back.bits)) {
        if (cairo_image_surface_get_format(back.surface) != PixelFormat()) {
            return Misfit::NotPixelFormat;
        }
        return image.HoldsAllWritten(back) ? Misfit::None : Misfit::MemoryTooSmall;
    }
    Block own{back.ownBits, back.ownBytes};
    if (own.Holds(back.bits) && !own.HoldsAllWritten(back)) return Misfit::MemoryTooSmall;
    return Misfit::None;
}

Misfit PixelsMisfit(const BackBuffer &back) {
    if (back.width > kLargestSide || Rows(back) > kLargestSide) return Misfit::TooLarge;
    // A surface of the wrong format is the likelier mistake, and its rows are then too short too.
    Misfit memoryMisfit = MemoryMisfit(back);
    if (memoryMisfit != Misfit::None) return memoryMisfit;
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
        case Misfit::MemoryTooSmall:
            ShowMessage(MessageGate::WhenMessagesOn, owner,
                        "幅・高さ・行幅に足りないメモリに描画できません。");
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
