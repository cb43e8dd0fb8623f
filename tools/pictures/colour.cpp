// Colours of the pictures as cairo sources.
#include "pictures/colour.h"

namespace pictures {

void SetSource(cairo_t *context, Rgba colour) {
    // cairo widens a channel c / 255 to c * 257 and narrows it back by dropping the low byte, so
    // every 8-bit value survives the trip exactly.
    cairo_set_source_rgba(context, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0,
                          colour.alpha / 255.0);
}

}  // namespace pictures
