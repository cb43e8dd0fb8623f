// A cairo image surface for tests to paint a window into and read its pixels back.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb &) const = default;
};

class TestCanvas {
  public:
    TestCanvas(int32_t width, int32_t height)
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
          dc_(cairo_create(surface_)) {}
    TestCanvas(const TestCanvas &) = delete;
    TestCanvas &operator=(const TestCanvas &) = delete;
    ~TestCanvas() {
        cairo_destroy(dc_);
        cairo_surface_destroy(surface_);
    }

    cairo_t *Context() { return dc_; }

    Rgb Pixel(int32_t x, int32_t y) {
        cairo_surface_flush(surface_);
        const unsigned char *row =
            cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
        uint32_t value = reinterpret_cast<const uint32_t *>(row)[x];
        return Rgb{int(value >> 16 & 0xFF), int(value >> 8 & 0xFF), int(value & 0xFF)};
    }

    // Pixels from (left, top) up to but not including (right, bottom) that satisfy wanted.
    int Count(int32_t left, int32_t top, int32_t right, int32_t bottom,
              const std::function<bool(Rgb)> &wanted) {
        int count = 0;
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) count += wanted(Pixel(x, y));
        }
        return count;
    }

  private:
    cairo_surface_t *surface_;
    cairo_t *dc_;
};
