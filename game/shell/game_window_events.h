// The game window's GTK signals: size, paint, mouse and keys, sent to TMainFrm's handlers.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"

namespace shell {

// Size, paint and mouse of the drawing area; keys of the frame (Esc, "1", "2", and Alt+F4 as
// the frame's close request).
void ConnectGameWindowEvents(GtkWindow *frame, GtkWidget *area, GameSession &session);

}  // namespace shell
