// The program icon drawn from outlines on a 256-unit grid and scaled to each size. Outlines keep
// at least one pixel of width, so the shapes stay apart at 32 and 48 pixels.
#include "pictures/program_icon.h"

#include <algorithm>
#include <numbers>
#include <stdexcept>
#include <string>

#include "pictures/colour.h"
#include "pictures/program_icon_colours.h"
#include "pictures/program_icon_small.h"

namespace pictures {
namespace {

constexpr double kGrid = 256;
constexpr double kMiddle = kGrid / 2;

using namespace icon_colours;

// Below this size the icon drops the cross-hair ring and the small parts (ear pods, gem, vents),
// which would only blur into the shapes beside them.
constexpr int kFullDetailSize = 64;

struct Pen {
    cairo_t *context;
    double pixel;  // one pixel in grid units at this size
    bool fullDetail;
};

// Outline widths are given in grid units and never fall below one pixel.
double Width(const Pen &pen, double gridWidth) {
    return std::max(gridWidth, pen.pixel);
}

void AddStop(cairo_pattern_t *pattern, double offset, Rgba colour) {
    cairo_pattern_add_color_stop_rgb(pattern, offset, colour.red / 255.0, colour.green / 255.0,
                                     colour.blue / 255.0);
}

void Outline(const Pen &pen, Rgba ink, double gridWidth) {
    SetSource(pen.context, ink);
    cairo_set_line_width(pen.context, Width(pen, gridWidth));
    cairo_stroke(pen.context);
}

void FillAndOutline(const Pen &pen, Rgba fill, double gridWidth) {
    SetSource(pen.context, fill);
    cairo_fill_preserve(pen.context);
    Outline(pen, kInk, gridWidth);
}

// Fills the current path with a gradient from light to dark (taking the pattern) and outlines it.
void ShadeAndOutline(const Pen &pen, cairo_pattern_t *shade, Rgba light, Rgba dark, Rgba ink,
                     double gridWidth) {
    AddStop(shade, 0, light);
    AddStop(shade, 1, dark);
    cairo_set_source(pen.context, shade);
    cairo_fill_preserve(pen.context);
    cairo_pattern_destroy(shade);
    Outline(pen, ink, gridWidth);
}

void DrawBadge(const Pen &pen) {
    cairo_arc(pen.context, kMiddle, kMiddle, 118, 0, 2 * std::numbers::pi);
    ShadeAndOutline(
        pen, cairo_pattern_create_radial(kMiddle - 30, kMiddle - 40, 10, kMiddle, kMiddle, 118),
        kBadgeLight, kBadgeDark, kRim, 12);
    // A dark edge outside the rim keeps the badge round on light desktops.
    cairo_arc(pen.context, kMiddle, kMiddle, 125, 0, 2 * std::numbers::pi);
    SetSource(pen.context, kInk);
    cairo_set_line_width(pen.context, Width(pen, 3));
    cairo_stroke(pen.context);
}

// The ring and its four ticks sit behind the head, so they frame it rather than cross its face.
void DrawCrossHair(const Pen &pen) {
    SetSource(pen.context, kCrossHair);
    if (pen.fullDetail) {
        cairo_set_line_width(pen.context, 9);
        cairo_arc(pen.context, kMiddle, kMiddle, 90, 0, 2 * std::numbers::pi);
        cairo_stroke(pen.context);
    }
    cairo_set_line_width(pen.context, pen.fullDetail ? 10 : 16);
    for (double sign : {-1.0, 1.0}) {
        cairo_move_to(pen.context, kMiddle + sign * 70, kMiddle);
        cairo_line_to(pen.context, kMiddle + sign * 110, kMiddle);
        cairo_move_to(pen.context, kMiddle, kMiddle + sign * 70);
        cairo_line_to(pen.context, kMiddle, kMiddle + sign * 110);
    }
    cairo_stroke(pen.context);
}

void DrawEarPods(const Pen &pen) {
    for (double x : {kMiddle - 62, kMiddle + 62}) {
        cairo_new_sub_path(pen.context);
        cairo_arc(pen.context, x, 148, 17, 0, 2 * std::numbers::pi);
    }
    FillAndOutline(pen, kArmourShade, 5);
}

void TraceHelmet(cairo_t *context) {
    cairo_move_to(context, 76, 158);
    cairo_line_to(context, 76, 118);
    cairo_curve_to(context, 76, 78, 100, 64, 128, 64);
    cairo_curve_to(context, 156, 64, 180, 78, 180, 118);
    cairo_line_to(context, 180, 158);
    cairo_line_to(context, 162, 194);
    cairo_line_to(context, 148, 206);
    cairo_line_to(context, 108, 206);
    cairo_line_to(context, 94, 194);
    cairo_close_path(context);
}

void DrawHelmet(const Pen &pen) {
    TraceHelmet(pen.context);
    ShadeAndOutline(pen, cairo_pattern_create_linear(90, 70, 170, 200), kArmourLight, kArmourShade,
                    kInk, 6);
}

void DrawCrest(const Pen &pen) {
    cairo_move_to(pen.context, 128, 112);
    cairo_line_to(pen.context, 72, 40);
    cairo_line_to(pen.context, 94, 44);
    cairo_line_to(pen.context, 128, 92);
    cairo_line_to(pen.context, 162, 44);
    cairo_line_to(pen.context, 184, 40);
    cairo_close_path(pen.context);
    if (!pen.fullDetail) {
        // Two pixels of yellow with a one-pixel outline would read as olive.
        SetSource(pen.context, kCrest);
        cairo_fill(pen.context);
        return;
    }
    FillAndOutline(pen, kCrest, 5);
    cairo_arc(pen.context, 128, 104, 10, 0, 2 * std::numbers::pi);
    FillAndOutline(pen, kGem, 4);
}

void DrawVisor(const Pen &pen) {
    cairo_move_to(pen.context, 86, 126);
    cairo_line_to(pen.context, 170, 126);
    cairo_line_to(pen.context, 162, 158);
    cairo_line_to(pen.context, 94, 158);
    cairo_close_path(pen.context);
    FillAndOutline(pen, kVisor, 4);
    SetSource(pen.context, kEyes);
    for (double sign : {-1.0, 1.0}) {
        cairo_move_to(pen.context, kMiddle + sign * 8, 146);
        cairo_line_to(pen.context, kMiddle + sign * 34, 134);
        cairo_line_to(pen.context, kMiddle + sign * 34, 144);
        cairo_line_to(pen.context, kMiddle + sign * 10, 152);
        cairo_close_path(pen.context);
    }
    cairo_fill(pen.context);
}

void DrawVents(const Pen &pen) {
    SetSource(pen.context, kInk);
    cairo_set_line_width(pen.context, Width(pen, 6));
    for (double x : {114.0, 128.0, 142.0}) {
        cairo_move_to(pen.context, x, 174);
        cairo_line_to(pen.context, x, 194);
    }
    cairo_stroke(pen.context);
}

Surface DrawOutlinedIcon(int size) {
    Surface icon = NewSurface(CAIRO_FORMAT_ARGB32, size, size);
    Context context = NewContext(icon.get());
    cairo_scale(context.get(), size / kGrid, size / kGrid);
    cairo_set_line_join(context.get(), CAIRO_LINE_JOIN_ROUND);
    Pen pen{context.get(), kGrid / size, size >= kFullDetailSize};
    DrawBadge(pen);
    DrawCrossHair(pen);
    if (pen.fullDetail) DrawEarPods(pen);
    DrawHelmet(pen);
    DrawCrest(pen);
    DrawVisor(pen);
    if (pen.fullDetail) DrawVents(pen);
    return icon;
}

}  // namespace

Surface DrawProgramIcon(int size) {
    if (std::find(kProgramIconSizes.begin(), kProgramIconSizes.end(), size) ==
        kProgramIconSizes.end()) {
        throw std::invalid_argument("no program icon of " + std::to_string(size) + " pixels");
    }
    if (HasSmallProgramIcon(size)) return DrawSmallProgramIcon(size);
    return DrawOutlinedIcon(size);
}

}  // namespace pictures
