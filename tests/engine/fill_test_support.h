// Helpers of the filler tests: back buffers read in screen order and pictures of what was drawn.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "trazel.h"

// A back buffer's pixels in screen order (row 0 at the top), one value per pixel: palette
// indices in palette mode, 0x00RRGGBB in true colour.
struct ScreenImage {
    int32_t width = 0;
    int32_t rows = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int32_t x, int32_t y) const { return pixels[size_t(y) * width + x]; }
    bool operator==(const ScreenImage &other) const = default;
};

// Reads the engine's current back buffer, honouring its row order and pixel size.
ScreenImage ReadScreen();

// A picture of the pixels that differ from background: '#' where they do, '.' elsewhere, one
// line per row, each ended by '\n'.
std::string CoverageOf(const ScreenImage &image, uint32_t background);

// The pixels of rows as text: values separated by spaces, one line per row.
std::string ValuesOf(const ScreenImage &image);

// The quadrilateral covering columns left..right and rows top..bottom.
std::vector<TzPoint> Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
