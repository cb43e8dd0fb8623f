// The game window: the scene, the three robots, the stage and the recorder, the fixed-step game
// loop, painting, mouse and keys, the match rules, the computer opponent, the screens and the
// commands. It reaches the desktop only through its hosts, so it runs without a display.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "battle/fream.h"
#include "battle/record.h"
#include "battle/stage.h"
#include "commands.h"
#include "float_menu.h"
#include "game_states.h"
#include "main_window_host.h"
#include "platform/music.h"
#include "platform/sound_effects.h"
#include "shield_window.h"
#include "version_dialog.h"

namespace match {

// The desktop around the game window.
struct Hosts {
    MainWindowHost &window;
    FloatMenuHost &floatMenu;
    ShieldWindowHost &shieldWindow;
    VersionDialogHost &versionDialog;
    platform::SoundEffects &sounds;
    platform::Music &music;
};

class TMainFrm {
  public:
    // Opens the engine and builds the scene, the stage, the recorder, the robots and the small
    // windows. If the engine cannot be opened, says so and builds nothing (EngineOpen is false).
    explicit TMainFrm(const Hosts &hosts);
    TMainFrm(const TMainFrm &) = delete;
    TMainFrm &operator=(const TMainFrm &) = delete;
    virtual ~TMainFrm();

    bool EngineOpen() const { return stage != nullptr; }

    // --- The window (main_window.cpp) ---
    // Once the window exists: cursor, shield window, the settings.
    void OnWindowCreated();
    // The close check: true when the window may close (then the loop is asked to end).
    virtual bool OnCloseQuery();
    // The nested game loop: handles events and ticks until the program quits or it is stopped.
    void RunLoop();
    // One fixed 50 ms step when it is due (and the catching up after a stall).
    void TickGame();
    // Renders and presents a frame onto the window's drawing context.
    void OnPaint(cairo_t *window);
    void DrawBackground();
    // The ground point under a client point.
    battle::GroundPoint GroundPick(ClientPoint point) const;
    void OnSize(int32_t width, int32_t height);
    void OnMouseMove(ClientPoint point);
    void OnLButtonDown(ClientPoint point);
    void OnLButtonUp(ClientPoint point);
    void OnRButtonDown(ClientPoint point);
    void OnRButtonUp(ClientPoint point);
    void OnKeyDown(int32_t key);

    // --- Match rules (match_rules.cpp) ---
    void StartRound();
    void StepMatch();
    void RoundEnd();
    void LevelSetup();
    void EnterTitle();
    void EnterEnding();
    void ClearHighScores();

    // --- Screens (screens.cpp) ---
    void DrawStateTexts();
    void TitleDemoSetup();
    void TitleDemoStep();
    void EndingStep();

    // --- The computer opponent (cpu_tactics.cpp) ---
    void CpuTactics(battle::TFream &self, battle::TFream &opponent, int32_t level);

    // --- Commands (commands.cpp) ---
    void RunCommand(int32_t command);
    CommandState QueryCommand(int32_t command) const;

    // --- State ---
    battle::Scene scene{};
    std::unique_ptr<battle::TSubFrm> stage;
    std::unique_ptr<battle::TRecord> recorder;
    std::unique_ptr<battle::TFream> myFream, enemyFream, thirdFream;
    TzColor backColour = 0;
    int32_t clientWidth = 0, clientHeight = 0;
    bool waveOn = true, midiOn = true;
    int32_t versusMode = kSolo;
    int32_t gameState = kTitle;
    int32_t timeCount = 0;
    int32_t resultCount = 0;
    int32_t selectedLevel = 1;
    int32_t currentLevel = 0;
    int32_t levelReached = 4;
    int32_t totalScore = 0;
    std::array<std::string, kLevels> highName;
    std::array<int32_t, kLevels> highScore{};
    int32_t roundsWon = 0, roundsPlayed = 0;
    bool loopRunning = false;
    bool freamDirty = false;
    ClientPoint mousePoint;
    int32_t commPort = 1;
    std::unique_ptr<TInforDlg> shieldWindow;
    std::unique_ptr<THelpDlg> versionDialog;
    std::unique_ptr<TFloatDlg> floatMenu;
    std::string framePath = "MyFream.frm";

    cairo_t *backDC = nullptr;
    uint32_t tickBase = 0;
    uint32_t tickLag = 0;
    uint32_t fpsStart = 0, fpsFrames = 0, fpsValue = 0;
    bool titlePosted = false;

  protected:
    Hosts hosts_;

  private:
    void PlayEffect(const char *fileName);
    void PlayMusic(const std::string &fileName);
    void StopMusic();
};

// Mouse mastery of a definition record: the sum over levels i = 0..7 of (i + 10) x score / 10.
int32_t Mastery(const battle::DefinitionRecord &record);

// The name of a definition record as UTF-8 text for the screen.
std::string DisplayName(const battle::DefinitionRecord &record);

}  // namespace match
