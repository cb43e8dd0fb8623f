// Owning handles for cairo surfaces and drawing contexts, and the PNG writer.
#include "pictures/cairo_handles.h"

#include <stdexcept>
#include <string>

namespace pictures {

Surface NewSurface(cairo_format_t format, int width, int height) {
    Surface surface(cairo_image_surface_create(format, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a " + std::to_string(width) + " x " +
                                 std::to_string(height) + " picture");
    }
    return surface;
}

Context NewContext(cairo_surface_t *surface) {
    Context context(cairo_create(surface));
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot draw on a picture");
    }
    return context;
}

void WritePng(cairo_surface_t *surface, const std::filesystem::path &path) {
    cairo_surface_flush(surface);
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string() + ": " +
                                 cairo_status_to_string(status));
    }
}

}  // namespace pictures
