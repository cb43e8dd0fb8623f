// Owning handles for cairo surfaces and drawing contexts, so every picture is released on any path.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>

namespace pictures {

struct SurfaceRelease {
    void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t *context) const { cairo_destroy(context); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;

// A new image surface, cleared to transparent (or black for RGB24); throws when cairo cannot make
// it.
Surface NewSurface(cairo_format_t format, int width, int height);
// A drawing context on the surface; throws when cairo cannot make it.
Context NewContext(cairo_surface_t *surface);
// Writes the surface as a PNG file; throws with the path when the write fails.
void WritePng(cairo_surface_t *surface, const std::filesystem::path &path);

}  // namespace pictures
