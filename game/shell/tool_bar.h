// The tool bar "ｺﾝﾄﾛｰﾙ": Start, gun, missile and the bomb button, refreshed while idle.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"

namespace shell {

GtkWidget *BuildToolBar(GameSession &session);

}  // namespace shell
