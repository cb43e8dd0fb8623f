// The versus dialog's host: a modal window built from its layout, with the cancel button and a
// timer that ticks under it; what the window shows is drawn by the game's TCommDlg.
#pragma once

#include <gtk/gtk.h>

#include <functional>

#include "game_session.h"
#include "link/comm_dialog.h"

namespace shell {

class CommDialogWindow : public versus::CommDialogHost {
  public:
    CommDialogWindow(GameSession &session, GtkWindow *frame);
    CommDialogWindow(const CommDialogWindow &) = delete;
    CommDialogWindow &operator=(const CommDialogWindow &) = delete;
    ~CommDialogWindow() override;

    uint32_t NowMilliseconds() override;
    void Open() override;
    void RunModal() override;
    void Close() override;
    bool StartTimer(uint32_t milliseconds) override;
    void StopTimer() override;
    void Invalidate() override;
    void DrawNow() override;
    void ShowCancelButton(bool shown) override;
    void ShowMessage(const std::string &text, const std::string &caption,
                     versus::MessageIcon icon) override;

  private:
    void Destroy();
    // Runs call with the game's versus dialog; once the program is quitting, ends the dialog
    // instead.
    void WithDialog(const std::function<void(versus::TCommDlg &)> &call);
    void Paint(cairo_t *dc);

    static gboolean OnTick(gpointer self);
    static void OnCancel(GtkButton *, gpointer self);
    static gboolean OnDraw(GtkWidget *, cairo_t *dc, gpointer self);
    static gboolean OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer self);
    static gboolean OnDelete(GtkWidget *, GdkEvent *, gpointer self);

    GameSession &session_;
    GtkWindow *frame_;
    GtkBuilder *builder_ = nullptr;
    GtkWidget *window_ = nullptr;
    GMainLoop *loop_ = nullptr;
    guint timer_ = 0;
    bool closing_ = false;
};

}  // namespace shell
