// The game window's desktop on GTK: its drawing area, cursors, capture, message boxes and the
// event dispatching of the nested game loop.
#pragma once

#include <gtk/gtk.h>

#include <array>

#include "game_session.h"
#include "match/main_window_host.h"

namespace shell {

class GameWindowHost : public match::MainWindowHost {
  public:
    GameWindowHost(GameSession &session, GtkWindow *frame, GtkWidget *area);
    GameWindowHost(const GameWindowHost &) = delete;
    GameWindowHost &operator=(const GameWindowHost &) = delete;
    ~GameWindowHost() override;

    uint32_t NowMilliseconds() override;
    void Invalidate() override;
    void PostEnterTitle() override;
    void SetCursor(int32_t cursor) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    match::ScreenPoint ToScreen(match::ClientPoint point) override;
    match::MessageAnswer ShowMessage(const std::string &text, const std::string &caption,
                                     match::MessageIcon icon,
                                     match::MessageButtons buttons) override;
    bool DispatchEvents(uint32_t waitMilliseconds) override;
    void RequestClose() override;
    void Minimize() override;
    bool IsMinimized() override;
    std::string OpenDocument(const std::string &path) override;
    std::optional<std::string> ChooseFile(const match::FileDialog &dialog) override;
    std::optional<std::string> AskText(const std::string &caption, const std::string &prompt,
                                       const std::string &initial) override;
    void *EngineOwner() override;

  private:
    static gboolean EnterTitleWhenIdle(gpointer self);
    static void ApplyCursorOnRealize(GtkWidget *area, gpointer self);
    void ApplyCursor();

    GameSession &session_;
    GtkWindow *frame_;
    GtkWidget *area_;
    std::array<GdkCursor *, 4> cursors_{};
    int32_t cursor_ = 0;
    guint titleSource_ = 0;
};

}  // namespace shell
