// picture_probe: measures screenshots for the end-to-end tests (colours, coloured regions,
// differences), printing plain numbers a shell script can compare.
#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

struct Pixel {
    int r, g, b;
};

struct Region {
    int x, y, width, height;
};

// The kinds of pixel the tests look for.
bool Matches(const std::string &kind, Pixel p) {
    if (kind == "cyan") return p.r < 100 && p.g > 180 && p.b > 180;
    if (kind == "white") return p.r > 225 && p.g > 225 && p.b > 225;
    // Text on the light menu bar.
    if (kind == "dark") return p.r < 90 && p.g < 90 && p.b < 90;
    // The player's robot: strongly blue body panels, however lit or dithered.
    if (kind == "robot-blue") return p.b > 140 && p.b - p.r > 90 && p.b - p.g > 50;
    std::fprintf(stderr, "picture_probe: unknown pixel kind %s\n", kind.c_str());
    std::exit(2);
}

class Picture {
  public:
    explicit Picture(const char *path) : surface_(cairo_image_surface_create_from_png(path)) {
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "picture_probe: cannot read %s\n", path);
            std::exit(2);
        }
        cairo_surface_flush(surface_);
    }
    ~Picture() { cairo_surface_destroy(surface_); }

    int Width() const { return cairo_image_surface_get_width(surface_); }
    int Height() const { return cairo_image_surface_get_height(surface_); }

    Pixel At(int x, int y) const {
        const unsigned char *row =
            cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
        uint32_t value;
        std::memcpy(&value, row + x * 4, sizeof value);
        return {static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>(value & 0xFF)};
    }

    // The region cut to the picture.
    Region Clip(Region region) const {
        int right = std::min(region.x + region.width, Width());
        int bottom = std::min(region.y + region.height, Height());
        region.x = std::max(region.x, 0);
        region.y = std::max(region.y, 0);
        return {region.x, region.y, std::max(right - region.x, 0), std::max(bottom - region.y, 0)};
    }

  private:
    cairo_surface_t *surface_;
};

Region ReadRegion(char **arguments) {
    return {std::atoi(arguments[0]), std::atoi(arguments[1]), std::atoi(arguments[2]),
            std::atoi(arguments[3])};
}

// distinct FILE X Y W H: how many different colours the region holds.
int Distinct(char **arguments) {
    Picture picture(arguments[0]);
    Region region = picture.Clip(ReadRegion(arguments + 1));
    std::set<uint32_t> colours;
    for (int y = region.y; y < region.y + region.height; ++y)
        for (int x = region.x; x < region.x + region.width; ++x) {
            Pixel p = picture.At(x, y);
            colours.insert(static_cast<uint32_t>(p.r << 16 | p.g << 8 | p.b));
        }
    std::printf("%zu\n", colours.size());
    return 0;
}

// find FILE X Y W H KIND: the count of pixels of the kind and their centre ("0 -1 -1" if none).
int Find(char **arguments) {
    Picture picture(arguments[0]);
    Region region = picture.Clip(ReadRegion(arguments + 1));
    std::string kind = arguments[5];
    long count = 0, sumX = 0, sumY = 0;
    for (int y = region.y; y < region.y + region.height; ++y)
        for (int x = region.x; x < region.x + region.width; ++x)
            if (Matches(kind, picture.At(x, y))) {
                ++count;
                sumX += x;
                sumY += y;
            }
    if (count == 0) {
        std::printf("0 -1 -1\n");
    } else {
        std::printf("%ld %ld %ld\n", count, sumX / count, sumY / count);
    }
    return 0;
}

// bounds FILE X Y W H KIND: the count of pixels of the kind and the rectangle around them, as
// "count left top right bottom" ("0 -1 -1 -1 -1" if none).
int Bounds(char **arguments) {
    Picture picture(arguments[0]);
    Region region = picture.Clip(ReadRegion(arguments + 1));
    std::string kind = arguments[5];
    long count = 0;
    int left = -1, top = -1, right = -1, bottom = -1;
    for (int y = region.y; y < region.y + region.height; ++y)
        for (int x = region.x; x < region.x + region.width; ++x) {
            if (!Matches(kind, picture.At(x, y))) continue;
            left = count == 0 ? x : std::min(left, x);
            top = count == 0 ? y : top;
            right = std::max(right, x);
            bottom = y;
            ++count;
        }
    std::printf("%ld %d %d %d %d\n", count, left, top, right, bottom);
    return 0;
}

// diff FILE1 FILE2 X Y W H: how many pixels of the region differ between the pictures.
int Diff(char **arguments) {
    Picture first(arguments[0]), second(arguments[1]);
    Region region = first.Clip(second.Clip(ReadRegion(arguments + 2)));
    long differing = 0;
    for (int y = region.y; y < region.y + region.height; ++y)
        for (int x = region.x; x < region.x + region.width; ++x) {
            Pixel a = first.At(x, y), b = second.At(x, y);
            if (a.r != b.r || a.g != b.g || a.b != b.b) ++differing;
        }
    std::printf("%ld\n", differing);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "distinct" && argc == 7) return Distinct(argv + 2);
    if (command == "find" && argc == 8) return Find(argv + 2);
    if (command == "bounds" && argc == 8) return Bounds(argv + 2);
    if (command == "diff" && argc == 8) return Diff(argv + 2);
    std::fprintf(stderr,
                 "usage: picture_probe distinct FILE X Y W H\n"
                 "       picture_probe find FILE X Y W H cyan|white|robot-blue|dark\n"
                 "       picture_probe bounds FILE X Y W H cyan|white|robot-blue|dark\n"
                 "       picture_probe diff FILE1 FILE2 X Y W H\n");
    return 2;
}
