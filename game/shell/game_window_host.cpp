// The game window's host: clock, repaint, cursors, capture, message boxes and the event pump.
#include "game_window_host.h"

#include "file_chooser.h"
#include "message_box.h"
#include "platform/clock.h"
#include "pointer_grab.h"
#include "resources.h"
#include "text_question.h"

namespace shell {

namespace {

// Handling a burst of events stops after this many, so the game step still comes round.
constexpr int kMostDispatchesPerPass = 64;

gboolean WakeUp(gpointer) {
    return G_SOURCE_REMOVE;
}

// Blocks until an event or another source is ready, or waitMilliseconds have passed.
void WaitForEvent(GMainContext *context, uint32_t waitMilliseconds) {
    if (waitMilliseconds == 0 || g_main_context_pending(context)) return;
    GSource *timeout = g_timeout_source_new(waitMilliseconds);
    g_source_set_callback(timeout, WakeUp, nullptr, nullptr);
    g_source_attach(timeout, context);
    g_main_context_iteration(context, TRUE);
    g_source_destroy(timeout);
    g_source_unref(timeout);
}

}  // namespace

GameWindowHost::GameWindowHost(GameSession &session, GtkWindow *frame, GtkWidget *area)
    : session_(session), frame_(frame), area_(area) {
    for (int32_t cursor = 1; cursor < static_cast<int32_t>(cursors_.size()); ++cursor)
        cursors_[cursor] = LoadGameCursor(gtk_widget_get_display(area), cursor);
    g_signal_connect(area, "realize", G_CALLBACK(ApplyCursorOnRealize), this);
}

GameWindowHost::~GameWindowHost() {
    if (titleSource_ != 0) g_source_remove(titleSource_);
    g_signal_handlers_disconnect_by_data(area_, this);
    for (GdkCursor *cursor : cursors_)
        if (cursor != nullptr) g_object_unref(cursor);
}

uint32_t GameWindowHost::NowMilliseconds() {
    return platform::NowMilliseconds();
}

void GameWindowHost::Invalidate() {
    gtk_widget_queue_draw(area_);
}

void GameWindowHost::PostEnterTitle() {
    if (session_.Quitting() || titleSource_ != 0) return;
    titleSource_ = g_idle_add(EnterTitleWhenIdle, this);
}

gboolean GameWindowHost::EnterTitleWhenIdle(gpointer self) {
    auto *host = static_cast<GameWindowHost *>(self);
    host->titleSource_ = 0;
    if (!host->session_.Quitting())
        host->session_.WithGame([](match::TMainFrm &game) { game.EnterTitle(); });
    return G_SOURCE_REMOVE;
}

void GameWindowHost::SetCursor(int32_t cursor) {
    cursor_ = cursor;
    ApplyCursor();
}

void GameWindowHost::ApplyCursorOnRealize(GtkWidget *, gpointer self) {
    static_cast<GameWindowHost *>(self)->ApplyCursor();
}

void GameWindowHost::ApplyCursor() {
    GdkWindow *window = gtk_widget_get_window(area_);
    if (window == nullptr) return;
    bool known = cursor_ > 0 && cursor_ < static_cast<int32_t>(cursors_.size());
    gdk_window_set_cursor(window, known ? cursors_[cursor_] : nullptr);
}

void GameWindowHost::CaptureMouse() {
    GrabPointer(area_);
}

void GameWindowHost::ReleaseMouse() {
    ReleasePointer(area_);
}

match::ScreenPoint GameWindowHost::ToScreen(match::ClientPoint point) {
    int originX = 0, originY = 0;
    if (GdkWindow *window = gtk_widget_get_window(area_))
        gdk_window_get_origin(window, &originX, &originY);
    return {originX + point.x, originY + point.y};
}

match::MessageAnswer GameWindowHost::ShowMessage(const std::string &text,
                                                 const std::string &caption,
                                                 match::MessageIcon icon,
                                                 match::MessageButtons buttons) {
    GtkWindow *parent = gtk_widget_get_visible(GTK_WIDGET(frame_)) ? frame_ : nullptr;
    return ShowMessageBox(parent, text, caption, icon, buttons);
}

bool GameWindowHost::DispatchEvents(uint32_t waitMilliseconds) {
    if (session_.Quitting()) return false;
    GMainContext *context = g_main_context_default();
    WaitForEvent(context, waitMilliseconds);
    for (int dispatch = 0; dispatch < kMostDispatchesPerPass && g_main_context_pending(context);
         ++dispatch)
        g_main_context_iteration(context, FALSE);
    // An open menu holds the game still, as a menu's own modal loop does; the missed steps
    // follow when it closes.
    while (session_.MenuOpen() && !session_.Quitting()) g_main_context_iteration(context, TRUE);
    return !session_.Quitting();
}

void GameWindowHost::RequestClose() {
    session_.RequestClose();
}

void GameWindowHost::Minimize() {
    gtk_window_iconify(frame_);
}

bool GameWindowHost::IsMinimized() {
    GdkWindow *window = gtk_widget_get_window(GTK_WIDGET(frame_));
    return window != nullptr && (gdk_window_get_state(window) & GDK_WINDOW_STATE_ICONIFIED) != 0;
}

std::string GameWindowHost::OpenDocument(const std::string &path) {
    GError *error = nullptr;
    gchar *uri = g_filename_to_uri(path.c_str(), nullptr, &error);
    if (uri != nullptr) {
        // Launched here rather than by gtk_show_uri_on_window, which reports a failure to start
        // the viewer nowhere once it has a parent window.
        GdkAppLaunchContext *context =
            gdk_display_get_app_launch_context(gtk_widget_get_display(GTK_WIDGET(frame_)));
        gdk_app_launch_context_set_timestamp(context, GDK_CURRENT_TIME);
        g_app_info_launch_default_for_uri(uri, G_APP_LAUNCH_CONTEXT(context), &error);
        g_object_unref(context);
        g_free(uri);
    }
    if (error == nullptr) return {};
    std::string failure = error->message;
    g_error_free(error);
    return failure;
}

std::optional<std::string> GameWindowHost::ChooseFile(const match::FileDialog &dialog) {
    return ChooseFileWithDialog(frame_, dialog);
}

std::optional<std::string> GameWindowHost::AskText(const std::string &caption,
                                                   const std::string &prompt,
                                                   const std::string &initial) {
    return AskTextWithDialog(frame_, caption, prompt, initial);
}

void *GameWindowHost::EngineOwner() {
    return frame_;
}

}  // namespace shell
