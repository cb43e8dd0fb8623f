// The shield window on GTK: "         シールド", a 380 x 60 client painted by TInforDlg.
#include "shield_window.h"

#include "engine_messages.h"

namespace shell {

ShieldWindow::ShieldWindow(GameSession &session, GtkWindow *frame) : session_(session) {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), "         シールド");
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_set_focus_on_map(GTK_WINDOW(window_), FALSE);
    gtk_window_set_type_hint(GTK_WINDOW(window_), GDK_WINDOW_TYPE_HINT_UTILITY);
    gtk_window_set_transient_for(GTK_WINDOW(window_), frame);
    area_ = gtk_drawing_area_new();
    gtk_widget_set_size_request(area_, match::TInforDlg::kWidth, match::TInforDlg::kHeight);
    gtk_container_add(GTK_CONTAINER(window_), area_);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(area_, "draw", G_CALLBACK(OnDraw), this);
}

ShieldWindow::~ShieldWindow() {
    gtk_widget_destroy(window_);
}

void ShieldWindow::Open(int32_t x, int32_t y) {
    x_ = x;
    y_ = y;
    gtk_window_move(GTK_WINDOW(window_), x, y);
    gtk_widget_show_all(window_);
}

void ShieldWindow::Close() {
    if (!IsOpen()) return;
    gtk_window_get_position(GTK_WINDOW(window_), &x_, &y_);
    gtk_widget_hide(window_);
}

void ShieldWindow::Place(int32_t x, int32_t y) {
    x_ = x;
    y_ = y;
}

bool ShieldWindow::IsOpen() {
    return gtk_widget_get_visible(window_);
}

void ShieldWindow::Position(int32_t *x, int32_t *y) {
    if (IsOpen()) gtk_window_get_position(GTK_WINDOW(window_), &x_, &y_);
    *x = x_;
    *y = y_;
}

void ShieldWindow::RaiseAboveFrame() {
    if (IsOpen()) gdk_window_raise(gtk_widget_get_window(window_));
}

void ShieldWindow::Invalidate() {
    gtk_widget_queue_draw(area_);
}

gboolean ShieldWindow::OnDelete(GtkWidget *, GdkEvent *, gpointer self) {
    // Closed from its frame: hidden, so the window and its place survive for the next opening.
    static_cast<ShieldWindow *>(self)->Close();
    return TRUE;
}

gboolean ShieldWindow::OnDraw(GtkWidget *, cairo_t *dc, gpointer self) {
    PaintScope painting;
    static_cast<ShieldWindow *>(self)->session_.WithGame([&](match::TMainFrm &game) {
        if (game.shieldWindow) game.shieldWindow->OnPaint(dc);
    });
    return FALSE;
}

}  // namespace shell
