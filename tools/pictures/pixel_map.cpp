// Painting pictures given as rows of colour symbols.
#include "pictures/pixel_map.h"

#include <stdexcept>
#include <string>

namespace pictures {
namespace {

Rgba ColourOf(const PixelMap &map, char symbol) {
    for (const LegendEntry &entry : map.legend) {
        if (entry.symbol == symbol) return entry.colour;
    }
    throw std::invalid_argument(std::string("pixel map symbol '") + symbol + "' has no colour");
}

// Fills runs of one symbol as single rectangles: fewer cairo calls, the same pixels.
void PaintRow(cairo_t *context, const PixelMap &map, std::string_view row, int left, int top) {
    std::size_t start = 0;
    while (start < row.size()) {
        std::size_t end = start;
        while (end < row.size() && row[end] == row[start]) ++end;
        SetSource(context, ColourOf(map, row[start]));
        cairo_rectangle(context, left + static_cast<double>(start), top,
                        static_cast<double>(end - start), 1);
        cairo_fill(context);
        start = end;
    }
}

}  // namespace

void PaintPixelMap(cairo_t *context, const PixelMap &map, int left, int top) {
    cairo_save(context);
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_set_antialias(context, CAIRO_ANTIALIAS_NONE);
    for (std::size_t y = 0; y < map.rows.size(); ++y) {
        if (map.rows[y].size() != map.rows.front().size()) {
            throw std::invalid_argument("pixel map row " + std::to_string(y) + " has " +
                                        std::to_string(map.rows[y].size()) + " pixels, not " +
                                        std::to_string(map.rows.front().size()));
        }
        PaintRow(context, map, map.rows[y], left, top + static_cast<int>(y));
    }
    cairo_restore(context);
}

}  // namespace pictures
