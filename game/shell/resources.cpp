// Loading the icon, tool bar pictures, cursors and styles from the compiled-in resource bundle.
#include "resources.h"

#include <cstdio>

namespace shell {

namespace {

constexpr int kCursorHotSpot = 15;
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace

const char *ResourcePath(const char *fileName, char *buffer, size_t size) {
    std::snprintf(buffer, size, "/org/morvex/game/%s", fileName);
    return buffer;
}

GdkPixbuf *LoadPicture(const char *fileName) {
    char path[128];
    GError *error = nullptr;
    GdkPixbuf *picture =
        gdk_pixbuf_new_from_resource(ResourcePath(fileName, path, sizeof path), &error);
    if (picture == nullptr) {
        std::fprintf(stderr, "morvex: %s: %s\n", path, error->message);
        g_error_free(error);
    }
    return picture;
}

void SetProgramIcon(GtkWindow *window) {
    GList *icons = nullptr;
    for (int size : kIconSizes) {
        char fileName[32];
        std::snprintf(fileName, sizeof fileName, "icon-%d.png", size);
        if (GdkPixbuf *icon = LoadPicture(fileName)) icons = g_list_append(icons, icon);
    }
    gtk_window_set_icon_list(window, icons);
    g_list_free_full(icons, g_object_unref);
}

void ApplyStyleSheet(GdkScreen *screen) {
    char path[128];
    GtkCssProvider *styles = gtk_css_provider_new();
    gtk_css_provider_load_from_resource(styles, ResourcePath("morvex.css", path, sizeof path));
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(styles),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(styles);
}

GdkCursor *LoadGameCursor(GdkDisplay *display, int32_t cursor) {
    char fileName[32];
    std::snprintf(fileName, sizeof fileName, "cursor-%d.png", static_cast<int>(cursor));
    GdkPixbuf *picture = LoadPicture(fileName);
    if (picture == nullptr) return nullptr;
    GdkCursor *result =
        gdk_cursor_new_from_pixbuf(display, picture, kCursorHotSpot, kCursorHotSpot);
    g_object_unref(picture);
    return result;
}

}  // namespace shell
