// The shield window's host: a small captioned window that does not take the focus.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"
#include "match/shield_window.h"

namespace shell {

class ShieldWindow : public match::ShieldWindowHost {
  public:
    ShieldWindow(GameSession &session, GtkWindow *frame);
    ShieldWindow(const ShieldWindow &) = delete;
    ShieldWindow &operator=(const ShieldWindow &) = delete;
    ~ShieldWindow() override;

    void Open(int32_t x, int32_t y) override;
    void Close() override;
    bool IsOpen() override;
    void Place(int32_t x, int32_t y) override;
    void Position(int32_t *x, int32_t *y) override;
    void Invalidate() override;
    // Puts the window back above the frame, which was shown after it; a window manager keeps it
    // there from then on (it is transient for the frame).
    void RaiseAboveFrame();

  private:
    static gboolean OnDelete(GtkWidget *, GdkEvent *, gpointer self);
    static gboolean OnDraw(GtkWidget *, cairo_t *dc, gpointer self);

    GameSession &session_;
    GtkWidget *window_;
    GtkWidget *area_;
    int x_ = 0, y_ = 0;
};

}  // namespace shell
