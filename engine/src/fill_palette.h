// The palette-mode fillers: palette indices of the colour cube written straight into the buffer.
#pragma once

#include <cstdint>

#include "trazel.h"

namespace trazel {

// Fill with the colour's nearest cube colour; 1 when something was drawn.
int32_t FillPaletteFlat(const TzPoint *points, int32_t count, TzColor color);
// Fill with the colour's 4x4 ordered dither of cube colours; 1 when something was drawn.
int32_t FillPaletteHalftone(const TzPoint *points, int32_t count, TzColor color);
// Fill with corner colours interpolated on the 0..80 scale and dithered per pixel.
int32_t FillPaletteGouraud(const TzPoint *points, int32_t count, const TzColor *colors);
// Every byte of the buffer, padding included, becomes the colour's cube index; 1 when done.
int32_t ClearPalette(TzColor color);

// A channel 0..255 on the Gouraud scale 0..80: cube level in the upper part, 16ths below it.
inline uint8_t Level81(int32_t channel) {
    int32_t value = (81 * channel + 128) / 256;
    return static_cast<uint8_t>(value < 80 ? value : 80);
}

}  // namespace trazel
