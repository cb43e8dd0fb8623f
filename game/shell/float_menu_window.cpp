// The floating menu's pop-up: placement, capture, and its mouse and paint sent to TFloatDlg.
#include "float_menu_window.h"

#include "engine_messages.h"
#include "pointer_grab.h"

namespace shell {

namespace {

// The dialog frame takes this much of the pop-up's size on every side; the menu's client, and so
// its items, start inside it.
constexpr int32_t kFrameWidth = 3;

void Line(cairo_t *dc, double red, double green, double blue, double x0, double y0, double x1,
          double y1) {
    cairo_set_source_rgb(dc, red, green, blue);
    cairo_move_to(dc, x0, y0);
    cairo_line_to(dc, x1, y1);
    cairo_stroke(dc);
}

}  // namespace

FloatMenuWindow::FloatMenuWindow(GameSession &session) : session_(session) {
    window_ = gtk_window_new(GTK_WINDOW_POPUP);
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    area_ = gtk_drawing_area_new();
    gtk_widget_add_events(area_, GDK_BUTTON_PRESS_MASK | GDK_POINTER_MOTION_MASK);
    gtk_container_set_border_width(GTK_CONTAINER(window_), kFrameWidth);
    gtk_container_add(GTK_CONTAINER(window_), area_);
    g_signal_connect_after(window_, "draw", G_CALLBACK(OnDrawFrame), nullptr);
    g_signal_connect(area_, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(area_, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(area_, "draw", G_CALLBACK(OnDraw), this);
}

FloatMenuWindow::~FloatMenuWindow() {
    gtk_widget_destroy(window_);
}

void FloatMenuWindow::Open(match::ScreenPoint at, int32_t width, int32_t height) {
    gtk_widget_set_size_request(area_, width - 2 * kFrameWidth, height - 2 * kFrameWidth);
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

// A raised frame, light above and left, dark below and right, around the client.
gboolean FloatMenuWindow::OnDrawFrame(GtkWidget *window, cairo_t *dc, gpointer) {
    double width = gtk_widget_get_allocated_width(window);
    double height = gtk_widget_get_allocated_height(window);
    cairo_set_line_width(dc, 1);
    cairo_set_source_rgb(dc, 192 / 255.0, 192 / 255.0, 192 / 255.0);
    cairo_rectangle(dc, 0, 0, width, height);
    cairo_rectangle(dc, kFrameWidth, kFrameWidth, width - 2 * kFrameWidth,
                    height - 2 * kFrameWidth);
    cairo_set_fill_rule(dc, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(dc);
    Line(dc, 1, 1, 1, 1.5, height - 1.5, 1.5, 1.5);
    Line(dc, 1, 1, 1, 1.5, 1.5, width - 1.5, 1.5);
    Line(dc, 0.5, 0.5, 0.5, width - 1.5, 1.5, width - 1.5, height - 1.5);
    Line(dc, 0.5, 0.5, 0.5, 1.5, height - 1.5, width - 1.5, height - 1.5);
    Line(dc, 0, 0, 0, width - 0.5, 0, width - 0.5, height - 0.5);
    Line(dc, 0, 0, 0, 0, height - 0.5, width - 0.5, height - 0.5);
    return FALSE;
}

}  // namespace shell
