// The version dialog on GTK: made afresh from the bundled layout each time it opens.
#include "version_dialog_window.h"

#include <string>

#include "resources.h"

namespace shell {

VersionDialogWindow::VersionDialogWindow(GtkWindow *frame) : frame_(frame) {}

VersionDialogWindow::~VersionDialogWindow() {
    Close();
}

void VersionDialogWindow::Open() {
    if (IsOpen()) return;
    builder_ = gtk_builder_new_from_resource("/org/morvex/game/version_dialog.ui");
    window_ = GTK_WIDGET(gtk_builder_get_object(builder_, "version-dialog"));
    gtk_window_set_transient_for(GTK_WINDOW(window_), frame_);
    SetProgramIcon(GTK_WINDOW(window_));
    g_signal_connect(gtk_builder_get_object(builder_, "ok-button"), "clicked", G_CALLBACK(OnOk),
                     this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
    gtk_widget_show(window_);
}

void VersionDialogWindow::Close() {
    if (!IsOpen()) return;
    gtk_widget_destroy(window_);
    g_object_unref(builder_);
    window_ = nullptr;
    builder_ = nullptr;
}

bool VersionDialogWindow::IsOpen() {
    return window_ != nullptr;
}

GtkLabel *VersionDialogWindow::Control(int32_t control) {
    if (builder_ == nullptr) return nullptr;
    std::string id = "control-" + std::to_string(control);
    GObject *object = gtk_builder_get_object(builder_, id.c_str());
    return object != nullptr && GTK_IS_LABEL(object) ? GTK_LABEL(object) : nullptr;
}

std::string VersionDialogWindow::Text(int32_t control) {
    GtkLabel *label = Control(control);
    return label != nullptr ? gtk_label_get_text(label) : "";
}

void VersionDialogWindow::SetText(int32_t control, const std::string &text) {
    if (GtkLabel *label = Control(control)) gtk_label_set_text(label, text.c_str());
}

void VersionDialogWindow::OnOk(GtkButton *, gpointer self) {
    static_cast<VersionDialogWindow *>(self)->Close();
}

gboolean VersionDialogWindow::OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer self) {
    // Esc cancels a dialog; this one has nothing to cancel but its being open.
    if (event->keyval != GDK_KEY_Escape) return FALSE;
    static_cast<VersionDialogWindow *>(self)->Close();
    return TRUE;
}

gboolean VersionDialogWindow::OnDelete(GtkWidget *, GdkEvent *, gpointer self) {
    static_cast<VersionDialogWindow *>(self)->Close();
    return TRUE;
}

}  // namespace shell
