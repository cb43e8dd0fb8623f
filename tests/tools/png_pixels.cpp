// Reading PNG files back through cairo, pixel by pixel.
#include "png_pixels.h"

#include <cstring>

PngImage ReadPng(const std::filesystem::path &path) {
    PngImage image(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    return image;
}

int Width(const PngImage &image) {
    return cairo_image_surface_get_width(image.get());
}
int Height(const PngImage &image) {
    return cairo_image_surface_get_height(image.get());
}

PngPixel PixelAt(const PngImage &image, int x, int y) {
    const unsigned char *row =
        cairo_image_surface_get_data(image.get()) +
        static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(image.get());
    std::uint32_t word;
    std::memcpy(&word, row + 4 * x, sizeof word);
    bool hasAlpha = cairo_image_surface_get_format(image.get()) == CAIRO_FORMAT_ARGB32;
    auto alpha = static_cast<std::uint8_t>(hasAlpha ? word >> 24 : 255);
    if (alpha == 0) return {};
    auto channel = [&](int shift) {
        unsigned premultiplied = (word >> shift) & 0xFF;
        return static_cast<std::uint8_t>((premultiplied * 255 + alpha / 2) / alpha);
    };
    return {channel(16), channel(8), channel(0), alpha};
}
