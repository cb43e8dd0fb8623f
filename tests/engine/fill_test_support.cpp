// Helpers of the filler tests: back buffers read in screen order and pictures of what was drawn.
#include "fill_test_support.h"

#include <cstring>

#include "context.h"

ScreenImage ReadScreen() {
    const trazel::BackBuffer &back = trazel::context.back;
    ScreenImage image;
    image.width = back.width;
    image.rows = back.height < 0 ? -back.height : back.height;
    bool palette = trazel::context.paletteMode;
    bool bottomUp = palette && back.height > 0;
    const auto *bits = static_cast<const uint8_t *>(back.bits);
    for (int32_t y = 0; y < image.rows; ++y) {
        const uint8_t *row = bits + size_t(bottomUp ? image.rows - 1 - y : y) * back.stride;
        for (int32_t x = 0; x < image.width; ++x) {
            uint32_t value = 0;
            if (palette) {
                value = row[x];
            } else {
                std::memcpy(&value, row + 4 * x, sizeof value);
            }
            image.pixels.push_back(value);
        }
    }
    return image;
}

std::string CoverageOf(const ScreenImage &image, uint32_t background) {
    std::string picture;
    for (int32_t y = 0; y < image.rows; ++y) {
        for (int32_t x = 0; x < image.width; ++x)
            picture += image.At(x, y) != background ? '#' : '.';
        picture += '\n';
    }
    return picture;
}

std::string ValuesOf(const ScreenImage &image) {
    std::string text;
    for (int32_t y = 0; y < image.rows; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            if (x > 0) text += ' ';
            text += std::to_string(image.At(x, y));
        }
        text += '\n';
    }
    return text;
}

std::vector<TzPoint> Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}
