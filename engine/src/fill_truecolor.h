// The true-colour fillers: 32-bit RGB pixels written straight into the cairo image's memory.
#pragma once

#include <cstdint>

#include "trazel.h"

namespace trazel {

// Fill with one colour; 1 when something was drawn.
int32_t FillTrueColorFlat(const TzPoint *points, int32_t count, TzColor color);
// Fill with corner colours interpolated smoothly per channel; 1 when something was drawn.
int32_t FillTrueColorGouraud(const TzPoint *points, int32_t count, const TzColor *colors);
// Every pixel of the buffer becomes the colour; 1 when done.
int32_t ClearTrueColor(TzColor color);

// The buffer's pixel for a colour value: 0x00RRGGBB.
inline uint32_t PixelOf(int32_t red, int32_t green, int32_t blue) {
    return (uint32_t(red) << 16) | (uint32_t(green) << 8) | uint32_t(blue);
}
inline uint32_t PixelOf(TzColor color) {
    return PixelOf(TZ_RED(color), TZ_GREEN(color), TZ_BLUE(color));
}

}  // namespace trazel
