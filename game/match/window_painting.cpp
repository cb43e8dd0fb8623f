// Plain cairo drawing shared by the small windows.
#include "window_painting.h"

namespace match {

void SetColour(cairo_t *dc, TzColor colour) {
    cairo_set_source_rgb(dc, TZ_RED(colour) / 255.0, TZ_GREEN(colour) / 255.0,
                         TZ_BLUE(colour) / 255.0);
}

void FillRectangle(cairo_t *dc, int32_t x, int32_t y, int32_t width, int32_t height,
                   TzColor colour) {
    SetColour(dc, colour);
    cairo_rectangle(dc, x, y, width, height);
    cairo_fill(dc);
}

}  // namespace match
