// The cursor letters, drawn by hand on a five-pixel grid.
#include "pictures/pixel_font.h"

#include <array>
#include <stdexcept>
#include <string>

namespace pictures {
namespace {

struct Glyph {
    char letter;
    std::array<std::string_view, kPixelFontHeight> rows;
};

// Round letters keep their corners open, so O, U and S stay apart from the square B, P and R.
constexpr std::array<Glyph, 8> kGlyphs{{
    {'A', {".##.", "#..#", "####", "#..#", "#..#"}},
    {'B', {"###.", "#..#", "###.", "#..#", "###."}},
    {'O', {".##.", "#..#", "#..#", "#..#", ".##."}},
    {'P', {"###.", "#..#", "###.", "#...", "#..."}},
    {'R', {"###.", "#..#", "###.", "#.#.", "#..#"}},
    {'S', {".###", "#...", ".##.", "...#", "###."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#..#", "#..#", "#..#", "#..#", ".##."}},
}};

const Glyph &GlyphOf(char letter) {
    for (const Glyph &glyph : kGlyphs) {
        if (glyph.letter == letter) return glyph;
    }
    throw std::invalid_argument(std::string("the cursor font has no letter '") + letter + "'");
}

int GlyphWidth(const Glyph &glyph) {
    return static_cast<int>(glyph.rows.front().size());
}

void DrawGlyph(cairo_t *context, const Glyph &glyph, int left, int top) {
    for (int y = 0; y < kPixelFontHeight; ++y) {
        for (int x = 0; x < GlyphWidth(glyph); ++x) {
            if (glyph.rows[y][x] == '#') cairo_rectangle(context, left + x, top + y, 1, 1);
        }
    }
    cairo_fill(context);
}

}  // namespace

int PixelTextWidth(std::string_view word) {
    int width = 0;
    for (char letter : word) width += GlyphWidth(GlyphOf(letter)) + 1;
    return word.empty() ? 0 : width - 1;
}

void DrawPixelText(cairo_t *context, std::string_view word, int left, int top) {
    cairo_save(context);
    cairo_set_antialias(context, CAIRO_ANTIALIAS_NONE);
    for (char letter : word) {
        const Glyph &glyph = GlyphOf(letter);
        DrawGlyph(context, glyph, left, top);
        left += GlyphWidth(glyph) + 1;
    }
    cairo_restore(context);
}

}  // namespace pictures
