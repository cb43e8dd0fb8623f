// The floating menu's pop-up: placement, capture, and its mouse and paint sent to TFloatDlg.
#include "float_menu_window.h"

#include "engine_messages.h"
#include "pointer_grab.h"

namespace shell {

FloatMenuWindow::FloatMenuWindow(GameSession &session) : session_(session) {
    window_ = gtk_window_new(GTK_WINDOW_POPUP);
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    area_ = gtk_drawing_area_new();
    gtk_widget_add_events(area_, GDK_BUTTON_PRESS_MASK | GDK_POINTER_MOTION_MASK);
    gtk_container_add(GTK_CONTAINER(window_), area_);
    g_signal_connect(area_, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(area_, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(area_, "draw", G_CALLBACK(OnDraw), this);
}

FloatMenuWindow::~FloatMenuWindow() {
    gtk_widget_destroy(window_);
}

void FloatMenuWindow::Open(match::ScreenPoint at, int32_t width, int32_t height) {
    gtk_widget_set_size_request(area_, width, height);
    gtk_window_resize(GTK_WINDOW(window_), width, height);
    gtk_window_move(GTK_WINDOW(window_), at.x, at.y);
    gtk_widget_show_all(window_);
}

void FloatMenuWindow::Close() {
    ReleaseMouse();
    gtk_widget_hide(window_);
}

bool FloatMenuWindow::IsOpen() {
    return gtk_widget_get_visible(window_);
}

void FloatMenuWindow::CaptureMouse() {
    GrabPointer(area_);
}

void FloatMenuWindow::ReleaseMouse() {
    ReleasePointer(area_);
}

void FloatMenuWindow::Invalidate() {
    gtk_widget_queue_draw(area_);
}

gboolean FloatMenuWindow::OnButtonPress(GtkWidget *, GdkEventButton *event, gpointer self) {
    if (event->type != GDK_BUTTON_PRESS) return TRUE;
    match::ClientPoint point{PixelCoordinate(event->x), PixelCoordinate(event->y)};
    static_cast<FloatMenuWindow *>(self)->session_.WithGame([&](match::TMainFrm &game) {
        if (!game.floatMenu) return;
        if (event->button == GDK_BUTTON_PRIMARY) game.floatMenu->OnLButtonDown(point);
        if (event->button == GDK_BUTTON_SECONDARY) game.floatMenu->OnRButtonDown(point);
    });
    return TRUE;
}

gboolean FloatMenuWindow::OnMotion(GtkWidget *, GdkEventMotion *event, gpointer self) {
    match::ClientPoint point{PixelCoordinate(event->x), PixelCoordinate(event->y)};
    static_cast<FloatMenuWindow *>(self)->session_.WithGame([&](match::TMainFrm &game) {
        if (game.floatMenu) game.floatMenu->OnMouseMove(point);
    });
    return TRUE;
}

gboolean FloatMenuWindow::OnDraw(GtkWidget *, cairo_t *dc, gpointer self) {
    PaintScope painting;
    // The plain grey of a dialog; the items appear once the mouse has moved.
    cairo_set_source_rgb(dc, 192 / 255.0, 192 / 255.0, 192 / 255.0);
    cairo_paint(dc);
    static_cast<FloatMenuWindow *>(self)->session_.WithGame([&](match::TMainFrm &game) {
        if (game.floatMenu) game.floatMenu->OnPaint(dc);
    });
    return TRUE;
}

}  // namespace shell
