// The main frame's window and layout; its close box asks the game window's close check.
#include "sdi_dec_frame.h"

#include "menu_bar.h"
#include "resources.h"
#include "tool_bar.h"

namespace shell {

namespace {

constexpr const char *kCaption = "Mor-Vex";
constexpr int kFrameWidth = 640, kFrameHeight = 480;

}  // namespace

TSDIDecFrame::TSDIDecFrame(GameSession &session) : session_(session) {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), kCaption);
    gtk_window_set_default_size(GTK_WINDOW(window_), kFrameWidth, kFrameHeight);
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_move(GTK_WINDOW(window_), 0, 0);
    SetProgramIcon(GTK_WINDOW(window_));
    ApplyStyleSheet(gtk_widget_get_screen(window_));

    GtkWidget *layout = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    menuBar_ = BuildMenuBar(session);
    gtk_box_pack_start(GTK_BOX(layout), menuBar_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(layout), BuildToolBar(session), FALSE, FALSE, 0);
    gameArea_ = gtk_drawing_area_new();
    gtk_widget_set_can_focus(gameArea_, TRUE);
    gtk_widget_add_events(
        gameArea_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
    gtk_box_pack_start(GTK_BOX(layout), gameArea_, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(window_), layout);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
}

TSDIDecFrame::~TSDIDecFrame() {
    gtk_widget_destroy(window_);
}

void TSDIDecFrame::Show() {
    gtk_window_unmaximize(GTK_WINDOW(window_));
    gtk_window_deiconify(GTK_WINDOW(window_));
    gtk_widget_show_all(window_);
    gtk_widget_grab_focus(gameArea_);
}

gboolean TSDIDecFrame::OnDelete(GtkWidget *, GdkEvent *, gpointer self) {
    // The frame is destroyed by the program once the game window has agreed and ended.
    static_cast<TSDIDecFrame *>(self)->session_.RequestClose();
    return TRUE;
}

}  // namespace shell
