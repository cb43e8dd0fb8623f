// Plain cairo drawing shared by the small windows: solid colours and filled rectangles.
#pragma once

#include <cairo.h>

#include "trazel.h"

namespace match {

void SetColour(cairo_t *dc, TzColor colour);
void FillRectangle(cairo_t *dc, int32_t x, int32_t y, int32_t width, int32_t height,
                   TzColor colour);

}  // namespace match
