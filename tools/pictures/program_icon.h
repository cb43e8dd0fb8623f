// The program icon: a robot head in a cross-hair on a round badge, at the usual desktop sizes.
#pragma once

#include <array>

#include "pictures/cairo_handles.h"

namespace pictures {

inline constexpr std::array<int, 7> kProgramIconSizes{16, 24, 32, 48, 64, 128, 256};

// Draws the icon on a transparent size x size ARGB surface. The two smallest sizes are drawn
// pixel by pixel, the others from outlines; other sizes throw.
Surface DrawProgramIcon(int size);

}  // namespace pictures
