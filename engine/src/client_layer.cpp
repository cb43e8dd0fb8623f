// The client layer: cairo drawing on the palette back buffer's context, kept apart from the
// indices so that presenting them does not wipe it out, and folded into them in cube colours.
#include "client_layer.h"

#include <algorithm>
#include <cstring>

namespace trazel {
namespace {

// A premultiplied channel of the layer over the channel beneath it.
int32_t Over(uint32_t drawn, uint32_t transparency, int32_t beneath) {
    return std::min<int32_t>(255, int32_t(drawn) + int32_t(transparency * beneath + 127) / 255);
}

// The cube colour of a layer pixel (premultiplied ARGB) over the colour beneath it.
uint8_t FoldedIndex(uint32_t pixel, TzColor beneath) {
    uint32_t transparency = 255 - (pixel >> 24);
    return PaletteIndexOf(TZ_RGB(Over((pixel >> 16) & 0xFF, transparency, TZ_RED(beneath)),
                                 Over((pixel >> 8) & 0xFF, transparency, TZ_GREEN(beneath)),
                                 Over(pixel & 0xFF, transparency, TZ_BLUE(beneath))));
}

// True when the layer's pixels from left up to right on this row are all transparent. Most rows
// are, so they are passed over eight pixels at a time rather than folded pixel by pixel.
bool RowIsEmpty(const uint32_t *drawn, int32_t left, int32_t right) {
    int32_t x = left;
    for (; x + 8 <= right; x += 8) {
        uint64_t words[4];
        std::memcpy(words, drawn + x, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3]) != 0) return false;
    }
    for (; x < right; ++x)
        if (drawn[x] != 0) return false;
    return true;
}

}  // namespace

cairo_surface_t *CreateClientLayer(int32_t width, int32_t height) {
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

void FoldClientLayer(const FillTarget &target, PixelRect area) {
    cairo_surface_t *layer = context.back.layer;
    if (layer == nullptr) return;
    cairo_surface_flush(layer);
    unsigned char *data = cairo_image_surface_get_data(layer);
    if (data == nullptr) return;
    int32_t stride = cairo_image_surface_get_stride(layer);
    int32_t right = std::min({area.right, target.width, cairo_image_surface_get_width(layer)});
    int32_t bottom = std::min({area.bottom, target.rows, cairo_image_surface_get_height(layer)});
    const TzPalette &palette = ShownPalette();
    for (int32_t y = area.top; y < bottom; ++y) {
        auto *drawn = reinterpret_cast<uint32_t *>(data + int64_t{y} * stride);
        if (RowIsEmpty(drawn, area.left, right)) continue;
        uint8_t *indices = target.Row(target.MemoryRow(y));
        for (int32_t x = area.left; x < right; ++x) {
            if (drawn[x] == 0) continue;
            indices[x] = FoldedIndex(drawn[x], palette.entries[indices[x]]);
            drawn[x] = 0;
        }
    }
    cairo_surface_mark_dirty(layer);
}

void ClearClientLayer() {
    cairo_surface_t *layer = context.back.layer;
    if (layer == nullptr) return;
    cairo_surface_flush(layer);
    unsigned char *data = cairo_image_surface_get_data(layer);
    if (data == nullptr) return;
    std::memset(data, 0,
                size_t(cairo_image_surface_get_stride(layer)) *
                    size_t(cairo_image_surface_get_height(layer)));
    cairo_surface_mark_dirty(layer);
}

}  // namespace trazel
