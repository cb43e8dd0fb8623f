// The back buffer: creating and sizing it, lending it to a client surface, and presenting it.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "client_layer.h"
#include "context.h"
#include "fill_edges.h"
#include "messages.h"

namespace trazel {
namespace {

constexpr int32_t kLargestSide = 16384;  // keeps every size computation inside int32

constexpr const char *kNotCreated = "CreateDIBSection()でビットマップが生成できませんでした。";
constexpr const char *kNoBits =
    "CreateDIBSection()でビットマップのアドレスが取得できませんでした。";

int32_t BitsPerPixel() {
    return context.paletteMode ? 8 : 32;
}

int32_t StrideFor(int32_t width) {
    return ((BitsPerPixel() * width + 31) & ~31) / 8;
}

int32_t Rows(int32_t height) {
    return height < 0 ? -height : height;
}

// Sizes the palette fillers' edge table to the buffer's rows; false if it cannot grow.
bool SizeEdgeTable(int32_t rows) {
    BackBuffer &back = context.back;
    if (rows == back.edgeRows) return true;
    auto *edges = static_cast<EdgeRow *>(std::calloc(rows > 0 ? rows : 1, sizeof(EdgeRow)));
    if (edges == nullptr) return false;
    std::free(back.edges);
    back.edges = edges;
    back.edgeRows = rows;
    return true;
}

// A freshly created back buffer, not yet in use.
struct NewBuffer {
    void *bits = nullptr;
    cairo_surface_t *surface = nullptr;
    cairo_surface_t *layer = nullptr;
    cairo_t *dc = nullptr;
};

void Discard(NewBuffer &buffer) {
    if (buffer.dc != nullptr) cairo_destroy(buffer.dc);
    if (buffer.layer != nullptr) cairo_surface_destroy(buffer.layer);
    if (buffer.surface != nullptr) cairo_surface_destroy(buffer.surface);
    std::free(buffer.bits);
}

// In true colour the surface wraps the bits; in palette mode it is the RGB image that presenting
// converts the indices into.
cairo_surface_t *CreateSurface(void *bits, int32_t width, int32_t height, int32_t stride) {
    if (context.paletteMode) return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    return cairo_image_surface_create_for_data(static_cast<unsigned char *>(bits),
                                               CAIRO_FORMAT_RGB24, width, height, stride);
}

// The context draws on the pixels in true colour. In palette mode presenting would overwrite its
// drawing there, so it draws on a layer that is folded into the indices.
void CreateContext(NewBuffer &buffer, int32_t width, int32_t height) {
    if (context.paletteMode) buffer.layer = CreateClientLayer(width, height);
    buffer.dc = cairo_create(context.paletteMode ? buffer.layer : buffer.surface);
}

void ReleaseOwnItems(BackBuffer &back) {
    if (back.ownDc != nullptr) cairo_destroy(back.ownDc);
    if (back.layer != nullptr) cairo_surface_destroy(back.layer);
    if (back.ownSurface != nullptr) cairo_surface_destroy(back.ownSurface);
    std::free(back.ownBits);
}

void Adopt(NewBuffer &buffer, void *owner, int32_t width, int32_t height, int32_t stride) {
    BackBuffer &back = context.back;
    ReleaseOwnItems(back);
    back.ownBits = back.bits = buffer.bits;
    back.ownBytes = size_t(stride) * size_t(height);
    back.ownSurface = back.surface = buffer.surface;
    back.ownDc = back.dc = buffer.dc;
    back.layer = buffer.layer;
    back.palette = &context.palette;
    back.width = width;
    back.height = height;
    back.stride = stride;
    back.owner = owner;
    ForgetMisfits();
}

// The items that decide where the engine's pixels go.
bool SamePixelTarget(const BackBuffer &a, const BackBuffer &b) {
    return a.bits == b.bits && a.surface == b.surface && a.width == b.width &&
           a.height == b.height && a.stride == b.stride;
}

void ConvertIndicesToImage(const FillTarget &indices, cairo_surface_t *surface) {
    cairo_surface_flush(surface);
    unsigned char *image = cairo_image_surface_get_data(surface);
    if (image == nullptr) return;
    int32_t imageStride = cairo_image_surface_get_stride(surface);
    int32_t columns = std::min(indices.width, cairo_image_surface_get_width(surface));
    int32_t rows = std::min(indices.rows, cairo_image_surface_get_height(surface));
    const TzPalette &palette = ShownPalette();
    uint32_t rgb[256];
    for (int i = 0; i < 256; ++i) {
        TzColor c = palette.entries[i];
        rgb[i] = (uint32_t(TZ_RED(c)) << 16) | (uint32_t(TZ_GREEN(c)) << 8) | uint32_t(TZ_BLUE(c));
    }
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t *source = indices.Row(indices.MemoryRow(y));
        auto *target = reinterpret_cast<uint32_t *>(image + int64_t{y} * imageStride);
        for (int32_t x = 0; x < columns; ++x) target[x] = rgb[source[x]];
    }
    cairo_surface_mark_dirty(surface);
}

// Folds the client's cairo drawing into the indices and converts them into the surface's RGB.
bool PreparePalettePicture() {
    FillTarget indices;
    if (!CanConvertIntoSurface() || !AcquireBuffer(&indices)) return false;
    FoldClientLayer(indices, PixelRect{0, 0, indices.width, indices.rows});
    ConvertIndicesToImage(indices, context.back.surface);
    return true;
}

}  // namespace

void ReleaseBackBuffer() {
    BackBuffer &back = context.back;
    ReleaseOwnItems(back);
    std::free(back.edges);
    back = BackBuffer{};
    ForgetMisfits();
}

}  // namespace trazel

using namespace trazel;

extern "C" cairo_t *ResizeTrazel(void *window, int32_t width, int32_t height) {
    if (!context.open) return nullptr;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        ShowMessage(MessageGate::WhenMessagesOn, window, kNotCreated);
        return nullptr;
    }
    int32_t stride = StrideFor(width);
    NewBuffer buffer;
    buffer.bits = std::calloc(static_cast<size_t>(stride) * height, 1);
    if (buffer.bits == nullptr) {
        ShowMessage(MessageGate::WhenMessagesOn, window, kNoBits);
        return nullptr;
    }
    buffer.surface = CreateSurface(buffer.bits, width, height, stride);
    CreateContext(buffer, width, height);
    if (cairo_surface_status(buffer.surface) != CAIRO_STATUS_SUCCESS ||
        cairo_status(buffer.dc) != CAIRO_STATUS_SUCCESS) {
        Discard(buffer);
        ShowMessage(MessageGate::WhenMessagesOn, window, kNotCreated);
        return nullptr;
    }
    // The old buffer stays whole until the new one exists, so a failure leaves it usable.
    if (!SizeEdgeTable(height)) {
        Discard(buffer);
        ShowMessage(MessageGate::WhenMessagesOn, window, kNoBits);
        return nullptr;
    }
    Adopt(buffer, window, width, height, stride);
    return context.back.dc;
}

extern "C" void SetVirtualScreen(cairo_t *dc, void *bits, cairo_surface_t *bitmap,
                                 TzPalette *palette, int32_t width, int32_t height,
                                 int32_t stride) {
    BackBuffer &back = context.back;
    const BackBuffer before = back;
    if (dc != nullptr) back.dc = dc;
    if (bits != nullptr) back.bits = bits;
    if (bitmap != nullptr) back.surface = bitmap;
    if (palette != nullptr) back.palette = palette;
    if (width > 0) back.width = width;
    if (height != 0 && (height > 0 || context.paletteMode)) back.height = height;
    if (stride > 0) back.stride = stride;
    if (!SizeEdgeTable(Rows(back.height))) back.edgeRows = 0;
    // A client that lends the same surface every frame hears of its misfit only once.
    if (!SamePixelTarget(before, back)) ForgetMisfits();
}

extern "C" void GetVirtualScreen(cairo_t **dc, void **bits, cairo_surface_t **bitmap,
                                 TzPalette **palette) {
    const BackBuffer &back = context.back;
    if (dc != nullptr) *dc = back.dc;
    if (bits != nullptr) *bits = back.bits;
    if (bitmap != nullptr) *bitmap = back.surface;
    if (palette != nullptr) *palette = back.palette;
}

extern "C" int32_t TzRealizePalette(cairo_t *dc) {
    // Presenting converts through the palette, so all its entries are always in effect.
    return context.paletteMode && dc != nullptr ? 256 : 0;
}

extern "C" int32_t TzPresent(cairo_t *target, int32_t x, int32_t y) {
    const BackBuffer &back = context.back;
    if (target == nullptr || back.surface == nullptr || !HasBackBuffer()) return 0;
    if (context.paletteMode) {
        if (!PreparePalettePicture()) return 0;
    } else {
        cairo_surface_mark_dirty(back.surface);
    }
    cairo_save(target);
    cairo_set_operator(target, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(target, back.surface, x, y);
    cairo_rectangle(target, x, y, back.width, Rows(back.height));
    cairo_fill(target);
    cairo_restore(target);
    return 1;
}
