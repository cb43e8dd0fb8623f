// Mouse capture: every pointer event goes to one widget until released, wherever the pointer is.
#pragma once

#include <gtk/gtk.h>

namespace shell {

// Grabs the pointer for widget's window (a no-op before the widget is on screen). Events come
// in the widget's coordinates, also from outside it.
void GrabPointer(GtkWidget *widget);

void ReleasePointer(GtkWidget *widget);

// A GDK event position as integer client coordinates, rounded down like pixel positions.
int32_t PixelCoordinate(double coordinate);

}  // namespace shell
