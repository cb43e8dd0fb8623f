// The floating menu's host: a caption-less pop-up with a raised dialog frame around its own
// drawing area, and mouse capture.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"
#include "match/float_menu.h"

namespace shell {

class FloatMenuWindow : public match::FloatMenuHost {
  public:
    explicit FloatMenuWindow(GameSession &session);
    FloatMenuWindow(const FloatMenuWindow &) = delete;
    FloatMenuWindow &operator=(const FloatMenuWindow &) = delete;
    ~FloatMenuWindow() override;

    void Open(match::ScreenPoint at, int32_t width, int32_t height) override;
    void Close() override;
    bool IsOpen() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void Invalidate() override;

  private:
    static gboolean OnButtonPress(GtkWidget *, GdkEventButton *event, gpointer self);
    static gboolean OnMotion(GtkWidget *, GdkEventMotion *event, gpointer self);
    static gboolean OnDraw(GtkWidget *, cairo_t *dc, gpointer self);
    static gboolean OnDrawFrame(GtkWidget *window, cairo_t *dc, gpointer);

    GameSession &session_;
    GtkWidget *window_;
    GtkWidget *area_;
};

}  // namespace shell
