// The main frame: "Mor-Vex", 640 x 480 at (0, 0), not resizable, with the menu bar, the tool bar
// and the game window's drawing area as its client.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"

namespace shell {

class TSDIDecFrame {
  public:
    explicit TSDIDecFrame(GameSession &session);
    TSDIDecFrame(const TSDIDecFrame &) = delete;
    TSDIDecFrame &operator=(const TSDIDecFrame &) = delete;
    ~TSDIDecFrame();

    GtkWindow *Window() { return GTK_WINDOW(window_); }
    GtkWidget *GameArea() { return gameArea_; }
    GtkWidget *MenuBar() { return menuBar_; }
    // Shows the frame in its normal state (never maximised or minimised at start).
    void Show();

  private:
    static gboolean OnDelete(GtkWidget *, GdkEvent *, gpointer self);

    GameSession &session_;
    GtkWidget *window_;
    GtkWidget *menuBar_;
    GtkWidget *gameArea_;
};

}  // namespace shell
