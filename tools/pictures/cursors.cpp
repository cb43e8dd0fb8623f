// The cross-hair cursors, drawn on whole pixels: bright one-pixel strokes inside a black outline
// one pixel wide, so they stay sharp and read on black, sky, grass and grey arenas alike.
#include "pictures/cursors.h"

#include <array>

#include "pictures/colour.h"
#include "pictures/pixel_font.h"

namespace pictures {
namespace {

constexpr int kCentre = kCursorHotSpot;
// Each arm runs from kArmStart to kArmEnd pixels away from the centre; the open ring between the
// centre pixel and the arms leaves the aimed-at spot visible.
constexpr int kArmStart = 4;
constexpr int kArmEnd = 7;
// The brackets mark the corners of a square kBracketReach pixels from the centre on each side.
constexpr int kBracketReach = 8;
constexpr int kBracketLength = 4;
constexpr int kWordTop = kCursorWordArea + 1;

constexpr Rgba kOutline{0, 0, 0};
constexpr Rgba kCrossHairColour{255, 255, 255};
constexpr Rgba kSpecialAttackColour{255, 255, 0};
constexpr Rgba kTurboColour{0, 255, 255};

void Pixels(cairo_t *context, int left, int top, int width, int height) {
    cairo_rectangle(context, left, top, width, height);
}

void DrawArms(cairo_t *context) {
    constexpr int kLength = kArmEnd - kArmStart + 1;
    Pixels(context, kCentre, kCentre, 1, 1);
    Pixels(context, kCentre - kArmEnd, kCentre, kLength, 1);
    Pixels(context, kCentre + kArmStart, kCentre, kLength, 1);
    Pixels(context, kCentre, kCentre - kArmEnd, 1, kLength);
    Pixels(context, kCentre, kCentre + kArmStart, 1, kLength);
}

void DrawBrackets(cairo_t *context) {
    constexpr int kNear = kCentre - kBracketReach;
    constexpr int kFar = kCentre + kBracketReach;
    constexpr int kFarStart = kFar - kBracketLength + 1;
    for (int y : {kNear, kFar}) {
        Pixels(context, kNear, y, kBracketLength, 1);
        Pixels(context, kFarStart, y, kBracketLength, 1);
    }
    for (int x : {kNear, kFar}) {
        Pixels(context, x, kNear, 1, kBracketLength);
        Pixels(context, x, kFarStart, 1, kBracketLength);
    }
}

Surface CrossHairMask() {
    Surface mask = NewSurface(CAIRO_FORMAT_A8, kCursorSize, kCursorSize);
    Context context = NewContext(mask.get());
    cairo_set_antialias(context.get(), CAIRO_ANTIALIAS_NONE);
    DrawArms(context.get());
    DrawBrackets(context.get());
    cairo_fill(context.get());
    return mask;
}

// The word is centred on the cross-hair's column; an even width leans one pixel to the right.
Surface WordMask(std::string_view word) {
    Surface mask = NewSurface(CAIRO_FORMAT_A8, kCursorSize, kCursorSize);
    Context context = NewContext(mask.get());
    DrawPixelText(context.get(), word, kCentre - (PixelTextWidth(word) - 1) / 2, kWordTop);
    return mask;
}

// Paints the outline colour through the mask shifted to each of the eight neighbours: every
// stroke pixel gets a dark border one pixel wide, corners included.
void PaintOutline(cairo_t *context, cairo_surface_t *mask) {
    SetSource(context, kOutline);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx != 0 || dy != 0) cairo_mask_surface(context, mask, dx, dy);
        }
    }
}

void PaintStrokes(cairo_t *context, cairo_surface_t *mask, Rgba colour) {
    SetSource(context, colour);
    cairo_mask_surface(context, mask, 0, 0);
}

Rgba WordColour(CursorKind kind) {
    return kind == CursorKind::Turbo ? kTurboColour : kSpecialAttackColour;
}

}  // namespace

std::string_view CursorWord(CursorKind kind) {
    switch (kind) {
        case CursorKind::SpecialAttack:
            return "SPA";
        case CursorKind::Turbo:
            return "TURBO";
        case CursorKind::Aim:
            break;
    }
    return "";
}

Surface DrawCursor(CursorKind kind) {
    Surface cursor = NewSurface(CAIRO_FORMAT_ARGB32, kCursorSize, kCursorSize);
    Context context = NewContext(cursor.get());
    Surface crossHair = CrossHairMask();
    Surface word = WordMask(CursorWord(kind));
    PaintOutline(context.get(), crossHair.get());
    PaintOutline(context.get(), word.get());
    PaintStrokes(context.get(), crossHair.get(), kCrossHairColour);
    PaintStrokes(context.get(), word.get(), WordColour(kind));
    return cursor;
}

}  // namespace pictures
