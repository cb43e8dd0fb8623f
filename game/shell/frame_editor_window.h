// The frame editor's host: a modal window built from its GtkBuilder layout, whose controls' signals
// go to the game's TFreamEdit.
#pragma once

#include <gtk/gtk.h>

#include "game_session.h"
#include "match/frame_editor.h"

namespace shell {

class FreamEditWindow : public match::FreamEditHost {
  public:
    FreamEditWindow(GameSession &session, GtkWindow *frame);
    FreamEditWindow(const FreamEditWindow &) = delete;
    FreamEditWindow &operator=(const FreamEditWindow &) = delete;
    ~FreamEditWindow() override;

    void Open() override;
    void RunModal() override;
    void Close() override;
    void SetItems(int32_t control, const std::vector<std::string> &items) override;
    void Select(int32_t control, int32_t index) override;
    void SetText(int32_t control, const std::string &text) override;
    void Invalidate() override;
    match::MessageAnswer ShowMessage(const std::string &text, const std::string &caption,
                                     match::MessageIcon icon,
                                     match::MessageButtons buttons) override;
    std::optional<std::string> ChooseFile(const match::FileDialog &dialog) override;
    void *EngineOwner() override;

  private:
    GtkWidget *Control(int32_t control);
    GtkWidget *Named(const char *id);
    void ConnectSignals();
    void Destroy();
    // Runs call with the open editor while the dialog is open; once the program is quitting,
    // ends the dialog instead.
    void WithEditor(const std::function<void(match::TFreamEdit &)> &call);

    static void OnOk(GtkButton *, gpointer self);
    static void OnCancel(GtkButton *, gpointer self);
    static void OnChooseFile(GtkButton *, gpointer self);
    static void OnScaleUp(GtkButton *, gpointer self);
    static void OnScaleDown(GtkButton *, gpointer self);
    static void OnComboChanged(GtkComboBox *combo, gpointer self);
    static void OnScaleChanged(GtkEditable *edit, gpointer self);
    static gboolean OnNameFocusOut(GtkWidget *edit, GdkEvent *, gpointer self);
    static gboolean OnDraw(GtkWidget *, cairo_t *dc, gpointer self);
    static gboolean OnDelete(GtkWidget *, GdkEvent *, gpointer self);
    static gboolean OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer self);

    GameSession &session_;
    GtkWindow *frame_;
    GtkBuilder *builder_ = nullptr;
    GtkWidget *window_ = nullptr;
    GMainLoop *loop_ = nullptr;
    bool closing_ = false;
    // Set while the program itself changes a control, whose signals then do not reach the game.
    bool updating_ = false;
};

}  // namespace shell
