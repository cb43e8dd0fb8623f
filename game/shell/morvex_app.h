// The application object "Mor-Vex": builds the frame, the hosts and the game window, runs the
// GTK main loop, and ends the program once the game window has agreed to close.
#pragma once

#include <memory>

#include "comm_dialog_window.h"
#include "float_menu_window.h"
#include "frame_editor_window.h"
#include "game_session.h"
#include "game_window_host.h"
#include "platform/mixer_audio.h"
#include "platform/device_port.h"
#include "platform/settings_file.h"
#include "sdi_dec_frame.h"
#include "shield_window.h"
#include "version_dialog_window.h"

namespace shell {

class TMorvexApp : public GameSession {
  public:
    TMorvexApp();
    TMorvexApp(const TMorvexApp &) = delete;
    TMorvexApp &operator=(const TMorvexApp &) = delete;
    ~TMorvexApp() override;

    // Runs the game until the program ends; returns the exit code.
    int Run();

    // A fault in the call never reaches GTK: it ends the program.
    void WithGame(const std::function<void(match::TMainFrm &)> &call) override;
    bool Quitting() const override { return quitting_; }
    void RequestClose() override;
    bool MenuOpen() const override;

  private:
    // Destroys the game window (closing the engine) and ends the main loop.
    void Finish();
    // After a fault in the game's own code: says so, and ends the program with exit code 1
    // instead of running on in a state nobody meant.
    void EndAfterFault(const char *what);

    // Declared before the game window, so the sound outlives it: its destructor stops the music.
    platform::MixerAudio audio_;
    platform::MixerSoundEffects sounds_{audio_};
    platform::MixerMusic music_{audio_};
    platform::SettingsFile settings_;
    platform::DevicePort linkPort_;
    std::unique_ptr<TSDIDecFrame> frame_;
    std::unique_ptr<GameWindowHost> windowHost_;
    std::unique_ptr<FloatMenuWindow> floatMenu_;
    std::unique_ptr<ShieldWindow> shieldWindow_;
    std::unique_ptr<VersionDialogWindow> versionDialog_;
    std::unique_ptr<FreamEditWindow> freamEditor_;
    std::unique_ptr<CommDialogWindow> commDialog_;
    std::unique_ptr<match::TMainFrm> game_;
    int callDepth_ = 0;
    bool quitting_ = false;
    int exitCode_ = 0;
};

}  // namespace shell
