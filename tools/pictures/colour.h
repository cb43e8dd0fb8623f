// Colours of the pictures as 8-bit channels, and the classic 16-colour palette of the tool bar.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace pictures {

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
};

// Makes the colour the context's source; 8-bit channels come back unchanged in an image surface.
void SetSource(cairo_t *context, Rgba colour);

// The sixteen colours of the classic 16-colour display: the tool bar pictures use these alone.
namespace classic {
inline constexpr Rgba kBlack{0, 0, 0};
inline constexpr Rgba kMaroon{128, 0, 0};
inline constexpr Rgba kGreen{0, 128, 0};
inline constexpr Rgba kOlive{128, 128, 0};
inline constexpr Rgba kNavy{0, 0, 128};
inline constexpr Rgba kPurple{128, 0, 128};
inline constexpr Rgba kTeal{0, 128, 128};
inline constexpr Rgba kSilver{192, 192, 192};
inline constexpr Rgba kGrey{128, 128, 128};
inline constexpr Rgba kRed{255, 0, 0};
inline constexpr Rgba kLime{0, 255, 0};
inline constexpr Rgba kYellow{255, 255, 0};
inline constexpr Rgba kBlue{0, 0, 255};
inline constexpr Rgba kFuchsia{255, 0, 255};
inline constexpr Rgba kAqua{0, 255, 255};
inline constexpr Rgba kWhite{255, 255, 255};
}  // namespace classic

}  // namespace pictures
