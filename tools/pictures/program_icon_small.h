// The program icon at the sizes too small for its outlines: the same emblem, pixel by pixel.
#pragma once

#include "pictures/cairo_handles.h"

namespace pictures {

// Whether the icon of this size is drawn pixel by pixel.
bool HasSmallProgramIcon(int size);
// Draws the pixel-by-pixel icon of this size on a transparent ARGB surface.
Surface DrawSmallProgramIcon(int size);

}  // namespace pictures
