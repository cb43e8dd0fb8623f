// Font: measures or draws one line of text with Pango, on any cairo context or straight into the
// indices of the palette back buffer.
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "client_layer.h"
#include "context.h"
#include "text_faces.h"

namespace trazel {
namespace {

constexpr int32_t kDefaultHeight = 16;
// Larger heights serve no screen and would only push Pango's fixed-point sizes towards overflow.
constexpr int64_t kLargestHeight = 1024;
// Longer lines never fit a screen; the limit also keeps Pango's widths inside its int range.
constexpr glong kLongestText = 1024;
constexpr unsigned kHalfCoverage = 128;

// Where the text goes, in 64 bits so that no client coordinate can overflow it.
struct TextBox {
    int64_t left, top, width, height;
};

int32_t PixelHeight(int32_t height) {
    // A negative height asks for the character height of its magnitude, as Windows fonts do.
    int64_t magnitude = height < 0 ? -int64_t{height} : int64_t{height};
    if (magnitude == 0) return kDefaultHeight;
    return static_cast<int32_t>(std::min(magnitude, kLargestHeight));
}

// Whole-pixel metrics keep extents integral and the same on every surface the text meets.
void UseWholePixelMetrics(PangoLayout *layout) {
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
}

// Pango warns about broken UTF-8, so client bytes are repaired before it sees them.
gchar *ValidText(const char *text, glong longest) {
    gchar *valid = g_utf8_make_valid(text != nullptr ? text : "", -1);
    if (g_utf8_strlen(valid, -1) > longest) *g_utf8_offset_to_pointer(valid, longest) = '\0';
    return valid;
}

void SetFont(PangoLayout *layout, const char *face, int32_t height) {
    gchar *family = ValidText(FontFamilyFor(face), G_MAXLONG);
    PangoFontDescription *description = pango_font_description_new();
    pango_font_description_set_family(description, family);
    pango_font_description_set_absolute_size(description, double{PANGO_SCALE} * height);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    g_free(family);
}

PangoLayout *CreateLineLayout(cairo_t *cr, const char *text, const char *face, int32_t height) {
    PangoLayout *layout = pango_cairo_create_layout(cr);
    UseWholePixelMetrics(layout);
    // One line, as the game expects: a line break shows as a glyph instead of starting a new line.
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    SetFont(layout, face, height);
    gchar *line = ValidText(text, kLongestText);
    pango_layout_set_text(layout, line, -1);
    g_free(line);
    return layout;
}

TzSize Extent(PangoLayout *layout) {
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    return TzSize{std::max(width, 0), std::max(height, 0)};
}

bool EitherOfFirstTwo(const char *align, char wanted) {
    return align[0] == wanted || align[1] == wanted;
}

// Centred on (x, y) unless the alignment names edges: 'l' or 'r', and 't' or 'b', among its
// first two characters. A leading 'c' keeps the text centred whatever follows.
TextBox PlaceText(int32_t x, int32_t y, const char *align, TzSize extent) {
    TextBox box{int64_t{x} - extent.width / 2, int64_t{y} - extent.height / 2, extent.width,
                extent.height};
    if (align == nullptr || align[0] == '\0' || align[0] == 'c') return box;
    if (EitherOfFirstTwo(align, 'l')) {
        box.left = x;
    } else if (EitherOfFirstTwo(align, 'r')) {
        box.left = int64_t{x} - extent.width;
    }
    if (EitherOfFirstTwo(align, 't')) {
        box.top = y;
    } else if (EitherOfFirstTwo(align, 'b')) {
        box.top = int64_t{y} - extent.height;
    }
    return box;
}

void SetSourceColor(cairo_t *cr, TzColor color) {
    cairo_set_source_rgb(cr, TZ_RED(color) / 255.0, TZ_GREEN(color) / 255.0,
                         TZ_BLUE(color) / 255.0);
}

struct ClipBounds {
    double left, top, right, bottom;
};

// The part of the box cairo may draw, in user space; empty when the box misses the clip. Cairo's
// fixed-point coordinates wrap far from the surface, so nothing outside is handed to it.
ClipBounds VisibleInClip(cairo_t *cr, const TextBox &box) {
    ClipBounds clip{};
    cairo_clip_extents(cr, &clip.left, &clip.top, &clip.right, &clip.bottom);
    return ClipBounds{std::max(clip.left, double(box.left)), std::max(clip.top, double(box.top)),
                      std::min(clip.right, double(box.left + box.width)),
                      std::min(clip.bottom, double(box.top + box.height))};
}

void DrawWithCairo(cairo_t *cr, PangoLayout *layout, const TextBox &box, TzColor textColor,
                   TzColor backColor) {
    ClipBounds visible = VisibleInClip(cr, box);
    if (visible.right <= visible.left || visible.bottom <= visible.top) return;
    // cairo_save keeps no path, so the caller's path is carried across by hand.
    cairo_path_t *callerPath = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    if (backColor != TZ_NO_COLOR) {
        SetSourceColor(cr, backColor);
        cairo_rectangle(cr, visible.left, visible.top, visible.right - visible.left,
                        visible.bottom - visible.top);
        cairo_fill(cr);
    }
    SetSourceColor(cr, textColor);
    cairo_move_to(cr, double(box.left), double(box.top));
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    cairo_new_path(cr);
    if (callerPath->status == CAIRO_STATUS_SUCCESS) cairo_append_path(cr, callerPath);
    cairo_path_destroy(callerPath);
    // The engine's other stages write the back buffer's bits directly, past cairo.
    cairo_surface_flush(cairo_get_target(cr));
}

bool IsPaletteBackBuffer(cairo_t *dc) {
    return context.paletteMode && dc == context.back.dc;
}

PixelRect VisiblePart(const TextBox &box, const FillTarget &target) {
    return PixelRect{
        static_cast<int32_t>(std::clamp<int64_t>(box.left, 0, target.width)),
        static_cast<int32_t>(std::clamp<int64_t>(box.top, 0, target.rows)),
        static_cast<int32_t>(std::clamp<int64_t>(box.left + box.width, 0, target.width)),
        static_cast<int32_t>(std::clamp<int64_t>(box.top + box.height, 0, target.rows))};
}

// Screen row y of the palette buffer, whose rows run bottom-up when its height is positive.
uint8_t *PaletteRow(const FillTarget &target, int32_t y) {
    return target.Row(target.MemoryRow(y));
}

void FillPaletteRect(const FillTarget &target, const PixelRect &rect, uint8_t index) {
    for (int32_t y = rect.top; y < rect.bottom; ++y) {
        std::memset(PaletteRow(target, y) + rect.left, index, rect.right - rect.left);
    }
}

// The glyphs' coverage over the visible part, rendered by cairo exactly where it would draw them.
cairo_surface_t *RenderCoverage(PangoLayout *layout, const TextBox &box, const PixelRect &visible) {
    cairo_surface_t *coverage = cairo_image_surface_create(
        CAIRO_FORMAT_A8, visible.right - visible.left, visible.bottom - visible.top);
    cairo_t *cr = cairo_create(coverage);
    pango_cairo_update_layout(cr, layout);
    cairo_move_to(cr, double(box.left - visible.left), double(box.top - visible.top));
    pango_cairo_show_layout(cr, layout);
    cairo_destroy(cr);
    cairo_surface_flush(coverage);
    return coverage;
}

// A palette pixel is all or nothing: it takes the text colour when at least half covered.
void WriteCoveredPixels(const FillTarget &target, cairo_surface_t *coverage,
                        const PixelRect &visible, uint8_t index) {
    const unsigned char *alpha = cairo_image_surface_get_data(coverage);
    if (alpha == nullptr) return;
    int stride = cairo_image_surface_get_stride(coverage);
    for (int32_t y = visible.top; y < visible.bottom; ++y, alpha += stride) {
        uint8_t *pixels = PaletteRow(target, y) + visible.left;
        for (int32_t x = 0; x < visible.right - visible.left; ++x) {
            if (alpha[x] >= kHalfCoverage) pixels[x] = index;
        }
    }
}

// Presenting overwrites the palette buffer's RGB image, so its text goes into the indices.
void DrawIntoPaletteBuffer(PangoLayout *layout, const TextBox &box, TzColor textColor,
                           TzColor backColor) {
    FillTarget target;
    if (!AcquireBuffer(&target)) return;
    PixelRect visible = VisiblePart(box, target);
    if (visible.right <= visible.left || visible.bottom <= visible.top) return;
    // Text lies over what the client drew on the context before it.
    FoldClientLayer(target, visible);
    if (backColor != TZ_NO_COLOR) FillPaletteRect(target, visible, PaletteIndexOf(backColor));
    cairo_surface_t *coverage = RenderCoverage(layout, box, visible);
    WriteCoveredPixels(target, coverage, visible, PaletteIndexOf(textColor));
    cairo_surface_destroy(coverage);
}

bool CanDrawOn(cairo_t *dc) {
    return dc != nullptr && cairo_status(dc) == CAIRO_STATUS_SUCCESS;
}

// Measuring needs some cairo context even when the client gives none.
cairo_t *CreateScratchContext() {
    cairo_surface_t *scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t *cr = cairo_create(scratch);
    cairo_surface_destroy(scratch);
    return cr;
}

}  // namespace
}  // namespace trazel

using namespace trazel;

extern "C" TzSize *Font(TzSize *size, cairo_t *dc, int32_t x, int32_t y, const char *align,
                        const char *text, TzColor textColor, TzColor backColor, const char *face,
                        int32_t height) {
    bool drawable = CanDrawOn(dc);
    cairo_t *measuring = drawable ? dc : CreateScratchContext();
    PangoLayout *layout = CreateLineLayout(measuring, text, face, PixelHeight(height));
    TzSize extent = Extent(layout);
    if (drawable && textColor != TZ_NO_COLOR) {
        TextBox box = PlaceText(x, y, align, extent);
        if (IsPaletteBackBuffer(dc)) {
            DrawIntoPaletteBuffer(layout, box, textColor, backColor);
        } else {
            DrawWithCairo(dc, layout, box, textColor, backColor);
        }
    }
    g_object_unref(layout);
    if (!drawable) cairo_destroy(measuring);
    if (size != nullptr) *size = extent;
    return size;
}
