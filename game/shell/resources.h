// From the program's resource bundle: the icon, the tool bar pictures, the cursors and the styles.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>

namespace shell {

// The resource path of a bundled file, e.g. "/org/morvex/game/icon-32.png".
const char *ResourcePath(const char *fileName, char *buffer, size_t size);

// A bundled picture (a new reference), or null when the bundle lacks it.
GdkPixbuf *LoadPicture(const char *fileName);

// Every size of the program icon on a window.
void SetProgramIcon(GtkWindow *window);

// The program's style sheet, for every window of the screen.
void ApplyStyleSheet(GdkScreen *screen);

// Game cursor 1..3, with its hot spot at (15, 15) (a new reference), or null.
GdkCursor *LoadGameCursor(GdkDisplay *display, int32_t cursor);

}  // namespace shell
