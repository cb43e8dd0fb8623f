// The palette back buffer's client layer: what a client draws on the back buffer's context with
// cairo waits there, over the indices, until it is folded into them in the cube's colours.
#pragma once

#include "fill_edges.h"

namespace trazel {

// Back-buffer pixels from (left, top) up to but not including (right, bottom); y downwards.
struct PixelRect {
    int32_t left, top, right, bottom;
};

// A transparent layer of the back buffer's size, for its context to draw on.
cairo_surface_t *CreateClientLayer(int32_t width, int32_t height);

// Folds what the layer holds within area into the target's indices and clears it there.
void FoldClientLayer(const FillTarget &target, PixelRect area);

// Drops all the layer holds: a clear of the whole buffer covers it.
void ClearClientLayer();

}  // namespace trazel
