// Mouse capture through a seat grab of the widget's window.
#include "pointer_grab.h"

#include <cmath>

namespace shell {

void GrabPointer(GtkWidget *widget) {
    GdkWindow *window = gtk_widget_get_window(widget);
    if (window == nullptr || !gdk_window_is_viewable(window)) return;
    GdkSeat *seat = gdk_display_get_default_seat(gtk_widget_get_display(widget));
    // Not owner_events: events over other windows of the program come here too, as with a
    // captured mouse.
    gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr, nullptr, nullptr,
                  nullptr);
}

void ReleasePointer(GtkWidget *widget) {
    gdk_seat_ungrab(gdk_display_get_default_seat(gtk_widget_get_display(widget)));
}

int32_t PixelCoordinate(double coordinate) {
    return static_cast<int32_t>(std::floor(coordinate));
}

}  // namespace shell
