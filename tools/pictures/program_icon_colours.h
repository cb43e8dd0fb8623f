// The colours of the program icon, shared by its outlined and its pixel-by-pixel sizes.
#pragma once

#include "pictures/colour.h"

namespace pictures::icon_colours {

inline constexpr Rgba kInk{16, 18, 32};
inline constexpr Rgba kBadge{30, 50, 120};
inline constexpr Rgba kBadgeLight{38, 64, 140};
inline constexpr Rgba kBadgeDark{10, 18, 52};
inline constexpr Rgba kRim{255, 120, 0};
inline constexpr Rgba kCrossHair{240, 36, 36};
inline constexpr Rgba kArmourLight{236, 240, 248};
inline constexpr Rgba kArmourShade{140, 152, 176};
inline constexpr Rgba kCrest{255, 210, 0};
inline constexpr Rgba kVisor{12, 16, 30};
inline constexpr Rgba kEyes{90, 255, 230};
inline constexpr Rgba kGem{230, 20, 40};

}  // namespace pictures::icon_colours
