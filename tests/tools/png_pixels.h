// Reading PNG files back through cairo and looking at their pixels as plain 8-bit colours.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <memory>

struct PngPixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;

    bool operator==(const PngPixel &) const = default;
};

struct PngRelease {
    void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
using PngImage = std::unique_ptr<cairo_surface_t, PngRelease>;

// The file as an image surface, or null when it is missing or no readable PNG.
PngImage ReadPng(const std::filesystem::path &path);
int Width(const PngImage &image);
int Height(const PngImage &image);
// The pixel with its colour taken back out of cairo's premultiplied form; files without an alpha
// channel read as opaque.
PngPixel PixelAt(const PngImage &image, int x, int y);
