// The menu bar built from the command table, with each menu's items refreshed as it opens.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"

namespace shell {

GtkWidget *BuildMenuBar(GameSession &session);

// True while one of the menu bar's menus is on screen.
bool MenuBarOpen(GtkWidget *menuBar);

}  // namespace shell
