// Pictures drawn pixel by pixel from rows of characters, one character a pixel, each naming a
// colour.
#pragma once

#include <cairo.h>

#include <string_view>
#include <vector>

#include "pictures/colour.h"

namespace pictures {

struct LegendEntry {
    char symbol;
    Rgba colour;
};

struct PixelMap {
    std::vector<std::string_view> rows;
    std::vector<LegendEntry> legend;
};

// Paints the map with its first pixel at (left, top), replacing what was there (transparent
// symbols make holes). Throws when rows differ in width or a symbol is missing from the legend,
// so a slip in a drawing stops the generator instead of leaving a wrong pixel.
void PaintPixelMap(cairo_t *context, const PixelMap &map, int left, int top);

}  // namespace pictures
