// The frame editor on GTK: made afresh from the bundled layout for each run, laid out in dialog
// units, run in a nested main loop; every control's signal is handed to TFreamEdit.
#include "frame_editor_window.h"

#include <string>

#include "dialog_units.h"
#include "engine_messages.h"
#include "file_chooser.h"
#include "message_box.h"
#include "resources.h"

namespace shell {
namespace {

constexpr const char *kControlKey = "morvex-control";
// The buttons' numbers in the layout.
constexpr int32_t kOkButton = 1, kCancelButton = 2, kFileButton = 203;

constexpr int32_t kCombos[] = {match::kGunCombo, match::kMissileCombo, match::kPitchCombo,
                               match::kTypeCombo, match::kTagCombo};

FreamEditWindow &Self(gpointer self) {
    return *static_cast<FreamEditWindow *>(self);
}

// GTK shows only UTF-8; a tag from a file in another encoding shows with stand-ins.
std::string Showable(const std::string &text) {
    gchar *valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
    std::string showable = valid;
    g_free(valid);
    return showable;
}

// IPAMincho's own hints lose the underscore at the dialog's size ("FIRE_M" shows as "FIRE M");
// slight hinting keeps it.
void HintSlightly(GtkWidget *widget, gpointer options) {
    gtk_widget_set_font_options(widget, static_cast<const cairo_font_options_t *>(options));
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(GTK_CONTAINER(widget), HintSlightly, options);
}

}  // namespace

FreamEditWindow::FreamEditWindow(GameSession &session, GtkWindow *frame)
    : session_(session), frame_(frame) {}

FreamEditWindow::~FreamEditWindow() {
    Destroy();
}

void FreamEditWindow::Open() {
    Destroy();
    closing_ = false;
    builder_ = gtk_builder_new_from_resource("/org/morvex/game/frame_editor.ui");
    window_ = GTK_WIDGET(gtk_builder_get_object(builder_, "frame-editor"));
    gtk_window_set_transient_for(GTK_WINDOW(window_), frame_);
    SetProgramIcon(GTK_WINDOW(window_));
    cairo_font_options_t *hinting = cairo_font_options_create();
    cairo_font_options_set_hint_style(hinting, CAIRO_HINT_STYLE_SLIGHT);
    HintSlightly(window_, hinting);
    cairo_font_options_destroy(hinting);
    GtkWidget *client = Named("client");
    LayOutInPixels(GTK_FIXED(client), MeasureDialogUnits(window_));
    ConnectSignals();
}

void FreamEditWindow::ConnectSignals() {
    g_signal_connect(Control(kOkButton), "clicked", G_CALLBACK(OnOk), this);
    g_signal_connect(Control(kCancelButton), "clicked", G_CALLBACK(OnCancel), this);
    g_signal_connect(Control(kFileButton), "clicked", G_CALLBACK(OnChooseFile), this);
    g_signal_connect(Named("scale-up"), "clicked", G_CALLBACK(OnScaleUp), this);
    g_signal_connect(Named("scale-down"), "clicked", G_CALLBACK(OnScaleDown), this);
    for (int32_t combo : kCombos) {
        g_object_set_data(G_OBJECT(Control(combo)), kControlKey, GINT_TO_POINTER(combo));
        g_signal_connect(Control(combo), "changed", G_CALLBACK(OnComboChanged), this);
    }
    g_signal_connect(Control(match::kScaleEdit), "changed", G_CALLBACK(OnScaleChanged), this);
    g_signal_connect(Control(match::kNameEdit), "focus-out-event", G_CALLBACK(OnNameFocusOut),
                     this);
    g_signal_connect(Named("client"), "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
}

// The engine's messages about the preview's meshes belong over the dialog while it is open.
void FreamEditWindow::RunModal() {
    if (window_ == nullptr) return;
    gtk_widget_show(window_);
    SetEngineMessageParent(GTK_WINDOW(window_));
    loop_ = g_main_loop_new(nullptr, FALSE);
    if (!closing_) g_main_loop_run(loop_);
    g_main_loop_unref(loop_);
    loop_ = nullptr;
    SetEngineMessageParent(frame_);
    Destroy();
}

void FreamEditWindow::Close() {
    closing_ = true;
    if (loop_ != nullptr) g_main_loop_quit(loop_);
}

void FreamEditWindow::Destroy() {
    if (window_ == nullptr) return;
    closing_ = true;  // a control losing the focus as it goes reaches the game no more
    gtk_widget_destroy(window_);
    g_object_unref(builder_);
    window_ = nullptr;
    builder_ = nullptr;
}

GtkWidget *FreamEditWindow::Named(const char *id) {
    GObject *object = builder_ != nullptr ? gtk_builder_get_object(builder_, id) : nullptr;
    return object != nullptr ? GTK_WIDGET(object) : nullptr;
}

GtkWidget *FreamEditWindow::Control(int32_t control) {
    return Named(("control-" + std::to_string(control)).c_str());
}

void FreamEditWindow::SetItems(int32_t control, const std::vector<std::string> &items) {
    GtkWidget *combo = Control(control);
    if (combo == nullptr) return;
    updating_ = true;
    gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(combo));
    for (const std::string &item : items)
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(combo), Showable(item).c_str());
    updating_ = false;
}

void FreamEditWindow::Select(int32_t control, int32_t index) {
    GtkWidget *combo = Control(control);
    if (combo == nullptr) return;
    updating_ = true;
    gtk_combo_box_set_active(GTK_COMBO_BOX(combo), index);
    updating_ = false;
}

// Setting the text an edit already has would move its cursor for nothing.
void FreamEditWindow::SetText(int32_t control, const std::string &text) {
    GtkWidget *edit = Control(control);
    if (edit == nullptr || text == gtk_entry_get_text(GTK_ENTRY(edit))) return;
    updating_ = true;
    gtk_entry_set_text(GTK_ENTRY(edit), Showable(text).c_str());
    updating_ = false;
}

void FreamEditWindow::Invalidate() {
    if (GtkWidget *client = Named("client")) gtk_widget_queue_draw(client);
}

match::MessageAnswer FreamEditWindow::ShowMessage(const std::string &text,
                                                  const std::string &caption,
                                                  match::MessageIcon icon,
                                                  match::MessageButtons buttons) {
    GtkWindow *parent = window_ != nullptr ? GTK_WINDOW(window_) : frame_;
    return ShowMessageBox(parent, text, caption, icon, buttons);
}

std::optional<std::string> FreamEditWindow::ChooseFile(const match::FileDialog &dialog) {
    return ChooseFileWithDialog(window_ != nullptr ? GTK_WINDOW(window_) : frame_, dialog);
}

void *FreamEditWindow::EngineOwner() {
    return window_;
}

void FreamEditWindow::WithEditor(const std::function<void(match::TFreamEdit &)> &call) {
    if (closing_ || updating_) return;
    session_.WithGame([&call](match::TMainFrm &game) {
        if (game.freamEditor) call(*game.freamEditor);
    });
    if (session_.Quitting()) Close();
}

void FreamEditWindow::OnOk(GtkButton *, gpointer self) {
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnOk(); });
}

void FreamEditWindow::OnCancel(GtkButton *, gpointer self) {
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnCancel(); });
}

void FreamEditWindow::OnChooseFile(GtkButton *, gpointer self) {
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnChooseFile(); });
}

void FreamEditWindow::OnScaleUp(GtkButton *, gpointer self) {
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnScaleStep(1); });
}

void FreamEditWindow::OnScaleDown(GtkButton *, gpointer self) {
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnScaleStep(-1); });
}

void FreamEditWindow::OnComboChanged(GtkComboBox *combo, gpointer self) {
    int32_t control = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(combo), kControlKey));
    int32_t index = gtk_combo_box_get_active(combo);
    Self(self).WithEditor(
        [control, index](match::TFreamEdit &editor) { editor.OnSelectionChanged(control, index); });
}

void FreamEditWindow::OnScaleChanged(GtkEditable *edit, gpointer self) {
    std::string text = gtk_entry_get_text(GTK_ENTRY(edit));
    Self(self).WithEditor([&text](match::TFreamEdit &editor) { editor.OnScaleEdited(text); });
}

gboolean FreamEditWindow::OnNameFocusOut(GtkWidget *edit, GdkEvent *, gpointer self) {
    std::string text = gtk_entry_get_text(GTK_ENTRY(edit));
    Self(self).WithEditor([&text](match::TFreamEdit &editor) { editor.OnNameEdited(text); });
    return FALSE;
}

// Drawn before the controls, which lie over the client area.
gboolean FreamEditWindow::OnDraw(GtkWidget *, cairo_t *dc, gpointer self) {
    PaintScope painting;
    Self(self).WithEditor([dc](match::TFreamEdit &editor) { editor.OnPaint(dc); });
    return FALSE;
}

gboolean FreamEditWindow::OnDelete(GtkWidget *, GdkEvent *, gpointer self) {
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnCancel(); });
    return TRUE;
}

gboolean FreamEditWindow::OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer self) {
    if (event->keyval != GDK_KEY_Escape) return FALSE;
    Self(self).WithEditor([](match::TFreamEdit &editor) { editor.OnCancel(); });
    return TRUE;
}

}  // namespace shell
