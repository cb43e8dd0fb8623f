// The versus dialog on GTK: made afresh from the bundled layout for each run, laid out in dialog
// units and run in a nested main loop, where its timer keeps ticking.
#include "comm_dialog_window.h"

#include "dialog_units.h"
#include "message_box.h"
#include "platform/clock.h"
#include "resources.h"

namespace shell {
namespace {

CommDialogWindow &Self(gpointer self) {
    return *static_cast<CommDialogWindow *>(self);
}

}  // namespace

CommDialogWindow::CommDialogWindow(GameSession &session, GtkWindow *frame)
    : session_(session), frame_(frame) {}

CommDialogWindow::~CommDialogWindow() {
    StopTimer();
    Destroy();
}

uint32_t CommDialogWindow::NowMilliseconds() {
    return platform::NowMilliseconds();
}

void CommDialogWindow::Open() {
    Destroy();
    closing_ = false;
    builder_ = gtk_builder_new_from_resource("/org/morvex/game/comm_dialog.ui");
    window_ = GTK_WIDGET(gtk_builder_get_object(builder_, "comm-dialog"));
    gtk_window_set_transient_for(GTK_WINDOW(window_), frame_);
    SetProgramIcon(GTK_WINDOW(window_));
    GtkWidget *client = GTK_WIDGET(gtk_builder_get_object(builder_, "client"));
    LayOutInPixels(GTK_FIXED(client), MeasureDialogUnits(window_));
    g_signal_connect(gtk_builder_get_object(builder_, "cancel"), "clicked", G_CALLBACK(OnCancel),
                     this);
    g_signal_connect(client, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
}

void CommDialogWindow::RunModal() {
    if (window_ == nullptr) return;
    gtk_widget_show(window_);
    loop_ = g_main_loop_new(nullptr, FALSE);
    if (!closing_) g_main_loop_run(loop_);
    g_main_loop_unref(loop_);
    loop_ = nullptr;
    StopTimer();
    Destroy();
}

void CommDialogWindow::Close() {
    closing_ = true;
    // A tick after the end would start calling again.
    StopTimer();
    if (loop_ != nullptr) g_main_loop_quit(loop_);
}

void CommDialogWindow::Destroy() {
    if (window_ == nullptr) return;
    gtk_widget_destroy(window_);
    g_object_unref(builder_);
    window_ = nullptr;
    builder_ = nullptr;
}

bool CommDialogWindow::StartTimer(uint32_t milliseconds) {
    StopTimer();
    // Below repaints and input: a tick waits up to 100 ms for the line, so a timer of the default
    // priority would be due again at once and keep the dialog from ever repainting.
    timer_ = g_timeout_add_full(G_PRIORITY_LOW, milliseconds, OnTick, this, nullptr);
    return timer_ != 0;
}

void CommDialogWindow::StopTimer() {
    if (timer_ != 0) g_source_remove(timer_);
    timer_ = 0;
}

void CommDialogWindow::Invalidate() {
    if (window_ != nullptr) gtk_widget_queue_draw(window_);
}

// The exchange holds the loop, so the status is painted here and now: the background as the
// dialog paints it, then the game's texts (the cancel button is hidden by then).
void CommDialogWindow::DrawNow() {
    GdkWindow *window = window_ != nullptr ? gtk_widget_get_window(window_) : nullptr;
    if (window == nullptr) return;
    cairo_region_t *region = gdk_window_get_visible_region(window);
    GdkDrawingContext *context = gdk_window_begin_draw_frame(window, region);
    cairo_t *dc = gdk_drawing_context_get_cairo_context(context);
    gtk_render_background(gtk_widget_get_style_context(window_), dc, 0, 0,
                          gtk_widget_get_allocated_width(window_),
                          gtk_widget_get_allocated_height(window_));
    Paint(dc);
    gdk_window_end_draw_frame(window, context);
    cairo_region_destroy(region);
    gdk_display_flush(gdk_window_get_display(window));
}

void CommDialogWindow::ShowCancelButton(bool shown) {
    if (builder_ == nullptr) return;
    gtk_widget_set_visible(GTK_WIDGET(gtk_builder_get_object(builder_, "cancel")), shown);
}

void CommDialogWindow::ShowMessage(const std::string &text, const std::string &caption,
                                   versus::MessageIcon) {
    ShowMessageBox(window_ != nullptr ? GTK_WINDOW(window_) : frame_, text, caption,
                   match::MessageIcon::Stop, match::MessageButtons::Ok);
}

void CommDialogWindow::WithDialog(const std::function<void(versus::TCommDlg &)> &call) {
    if (session_.Quitting()) {
        Close();
        return;
    }
    session_.WithGame([&call](match::TMainFrm &game) {
        if (game.commDialog) call(*game.commDialog);
    });
}

void CommDialogWindow::Paint(cairo_t *dc) {
    WithDialog([dc](versus::TCommDlg &dialog) { dialog.OnPaint(dc); });
}

gboolean CommDialogWindow::OnTick(gpointer self) {
    Self(self).WithDialog([](versus::TCommDlg &dialog) { dialog.OnTimer(); });
    // The handler may have stopped the timer (and removed this source) itself.
    return Self(self).timer_ != 0 ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

void CommDialogWindow::OnCancel(GtkButton *, gpointer self) {
    Self(self).WithDialog([](versus::TCommDlg &dialog) { dialog.OnCancel(); });
}

gboolean CommDialogWindow::OnDraw(GtkWidget *, cairo_t *dc, gpointer self) {
    Self(self).Paint(dc);
    return FALSE;
}

gboolean CommDialogWindow::OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer self) {
    if (event->keyval != GDK_KEY_Escape) return FALSE;
    OnCancel(nullptr, self);
    return TRUE;
}

// The dialog has no close box; a window manager's close counts as the cancel button.
gboolean CommDialogWindow::OnDelete(GtkWidget *, GdkEvent *, gpointer self) {
    OnCancel(nullptr, self);
    return TRUE;
}

}  // namespace shell
