// The application object: start-up order, the close path and the end of the program.
#include "morvex_app.h"

#include <cstdio>
#include <exception>

#include "battle/model_library.h"
#include "engine_messages.h"
#include "game_window_events.h"
#include "menu_bar.h"
#include "message_box.h"
#include "platform/paths.h"

namespace shell {

namespace {

constexpr int kCannotStartExitCode = 1;
constexpr int kFaultExitCode = 1;

// Counts a call into the game for as long as it runs, also when it leaves by an exception.
class CallScope {
  public:
    explicit CallScope(int &depth) : depth_(depth) { ++depth_; }
    CallScope(const CallScope &) = delete;
    CallScope &operator=(const CallScope &) = delete;
    ~CallScope() { --depth_; }

  private:
    int &depth_;
};

// The model library beside the program or in the data folders; when there is none, the name it
// should have, so the engine's message says which file is missing.
std::string ModelLibrary() {
    if (std::optional<std::string> found = platform::FindDataFile("morvex.m3d")) return *found;
    return platform::DataFilePath(platform::ProgramPath(), "m3d").value_or("morvex.m3d");
}

}  // namespace

TMorvexApp::TMorvexApp() : settings_(platform::SettingsFilePath()) {
    g_set_application_name("Mor-Vex");
}

TMorvexApp::~TMorvexApp() {
    game_.reset();
    SetEngineMessageParent(nullptr);
}

int TMorvexApp::Run() {
    frame_ = std::make_unique<TSDIDecFrame>(*this);
    SetEngineMessageParent(frame_->Window());
    windowHost_ = std::make_unique<GameWindowHost>(*this, frame_->Window(), frame_->GameArea());
    floatMenu_ = std::make_unique<FloatMenuWindow>(*this);
    shieldWindow_ = std::make_unique<ShieldWindow>(*this, frame_->Window());
    versionDialog_ = std::make_unique<VersionDialogWindow>(frame_->Window());
    freamEditor_ = std::make_unique<FreamEditWindow>(*this, frame_->Window());
    commDialog_ = std::make_unique<CommDialogWindow>(*this, frame_->Window());
    battle::SetModelLibraryPath(ModelLibrary());
    // The engine takes its display format before it opens.
    if (match::ReadSettings(settings_.Load()).paletteDisplay)
        TzSetDisplayFormat(TZ_DISPLAY_PALETTE);
    game_ = std::make_unique<match::TMainFrm>(
        match::Hosts{*windowHost_, *floatMenu_, *shieldWindow_, *versionDialog_, *freamEditor_,
                     sounds_, music_, settings_, *commDialog_, linkPort_});
    if (!game_->EngineOpen()) {
        // The game window has said why: without the engine or its models there is no game.
        game_.reset();
        return kCannotStartExitCode;
    }
    gtk_widget_realize(frame_->GameArea());
    WithGame([](match::TMainFrm &game) { game.OnWindowCreated(); });
    ConnectGameWindowEvents(frame_->Window(), frame_->GameArea(), *this);
    frame_->Show();
    shieldWindow_->RaiseAboveFrame();
    if (game_) gtk_main();
    return exitCode_;
}

void TMorvexApp::WithGame(const std::function<void(match::TMainFrm &)> &call) {
    if (!game_ || quitting_) return;
    {
        CallScope scope(callDepth_);
        try {
            call(*game_);
        } catch (const std::exception &fault) {
            EndAfterFault(fault.what());
        }
    }
    if (callDepth_ == 0 && quitting_) Finish();
}

void TMorvexApp::EndAfterFault(const char *what) {
    std::fprintf(stderr, "morvex: internal error: %s\n", what);
    if (quitting_) return;
    // Set first: the box's own loop must not call into the game again.
    quitting_ = true;
    exitCode_ = kFaultExitCode;
    ShowMessageBox(frame_->Window(), std::string("内部エラーのため、ゲームを終了します。\n") + what,
                   "Morvexゲーム", match::MessageIcon::Error, match::MessageButtons::Ok);
}

void TMorvexApp::RequestClose() {
    if (quitting_ || !game_) return;
    bool agreed = false;
    WithGame([&agreed](match::TMainFrm &game) { agreed = game.OnCloseQuery(); });
    if (!agreed) return;
    // The game loop sees this at its next pass and ends; the outermost call into the game
    // then finishes the program.
    quitting_ = true;
    if (callDepth_ == 0) Finish();
}

bool TMorvexApp::MenuOpen() const {
    return frame_ && MenuBarOpen(frame_->MenuBar());
}

void TMorvexApp::Finish() {
    if (!game_) return;
    game_.reset();
    if (gtk_main_level() > 0) gtk_main_quit();
}

}  // namespace shell
