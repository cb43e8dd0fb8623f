// The game window: the scene, the three robots, the stage and the recorder, the fixed-step game
// loop, painting, mouse and keys, the match rules, the computer opponent, the screens and the
// commands. It reaches the desktop only through its hosts, so it runs without a display.
#pragma once

#include <array>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "battle/fream.h"
#include "battle/record.h"
#include "battle/record_texts.h"
#include "battle/stage.h"
#include "commands.h"
#include "float_menu.h"
#include "frame_editor.h"
#include "game_states.h"
#include "link/comm_dialog.h"
#include "main_window_host.h"
#include "platform/music.h"
#include "platform/settings_file.h"
#include "platform/sound_effects.h"
#include "settings_values.h"
#include "shield_window.h"
#include "state_texts.h"
#include "version_dialog.h"

namespace match {

// The desktop around the game window.
struct Hosts {
    MainWindowHost &window;
    FloatMenuHost &floatMenu;
    ShieldWindowHost &shieldWindow;
    VersionDialogHost &versionDialog;
    FreamEditHost &freamEditor;
    platform::SoundEffects &sounds;
    platform::Music &music;
    platform::SettingsFile &settings;
    versus::CommDialogHost &commDialog;
    platform::LinkPort &linkPort;
};

// Opens the engine (OpenTrazel, or a stand-in that tests use to make it fail).
using EngineOpener = int32_t (*)(int32_t messages);

class TMainFrm {
  public:
    // Opens the engine and builds the scene, the stage, the recorder, the robots and the small
    // windows. If the engine cannot be opened or the model library cannot be used, says so once
    // and builds nothing (EngineOpen is false, the engine closed); every handler then does
    // nothing.
    explicit TMainFrm(const Hosts &hosts, EngineOpener openEngine = OpenTrazel);
    TMainFrm(const TMainFrm &) = delete;
    TMainFrm &operator=(const TMainFrm &) = delete;
    virtual ~TMainFrm();

    bool EngineOpen() const { return stage != nullptr; }

    // --- The window (main_window.cpp) ---
    // Once the window exists: cursor, then the settings file's values.
    void OnWindowCreated();
    // Puts settings values into effect: window state, shield window, model mode, sound, port,
    // view, levels and high scores; a value out of its range takes its default.
    void ApplySettings(const SettingsValues &settings);
    // The values the settings file is to keep, as they stand now.
    SettingsValues CurrentSettings() const;
    // The close check: offers to save a changed robot (its answer Cancel, or a save that does not
    // happen, keeps the window open), then writes the settings file. True when the window may
    // close (then the loop is asked to end).
    virtual bool OnCloseQuery();

    // --- The loop (game_loop.cpp) ---
    // The nested game loop: handles events and ticks until the program quits or it is stopped.
    void RunLoop();
    // One fixed 50 ms step when it is due (and the catching up after a stall).
    void TickGame();
    // Milliseconds until the next step is due; 0 when it is due or overdue.
    uint32_t WaitForNextStep();

    // --- Painting (painting.cpp) ---
    // Renders and presents a frame onto the window's drawing context.
    void OnPaint(cairo_t *window);
    void DrawBackground();

    // --- Mouse and keys (input.cpp) ---
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

    // The computer robot self's orders against opponent at level 1..8.
    void CpuTactics(battle::TFream &self, battle::TFream &opponent, int32_t level);

    // --- Screens (state_texts.cpp, title_demo.cpp, ending.cpp) ---
    // The texts of the current state, in drawing order.
    TextList StateTexts() const;
    void DrawStateTexts();
    void TitleDemoSetup();
    void TitleDemoStep();
    void TitleTexts(TextList &texts) const;
    void EndingStep();
    void EndingTexts(TextList &texts) const;
    // Line line of a list that rises from below into place at top during the first 300 steps.
    int32_t RisingLineY(int32_t top, int32_t height, int32_t line) const;

    // --- Commands (commands.cpp) ---
    void RunCommand(int32_t command);
    CommandState QueryCommand(int32_t command) const;

    // --- Frame files (frame_files.cpp) ---
    // Offers to save a changed robot, then replaces the player's robot by a chosen frame file;
    // a file that cannot be read whole leaves the robot as it was and says so.
    void LoadFrameFile();
    // Saves the player's robot to a chosen frame file: 1 when written, 0 when cancelled or
    // failed (then the file chosen is as it was before).
    int32_t SaveFrameFile();

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
    // Level n's entry is [n - 1]; the names are UTF-8.
    std::array<std::string, kLevels> highName;
    std::array<int32_t, kLevels> highScore{};
    int32_t roundsWon = 0, roundsPlayed = 0;
    bool loopRunning = false;
    bool freamDirty = false;
    ClientPoint mousePoint;
    int32_t commPort = 1;
    // The other PC's HOST:PORT, for the network line.
    std::string networkAddress;
    // The display format for the next start: 8-bit palette colours or true colour.
    bool paletteDisplayNext = false;
    std::unique_ptr<TInforDlg> shieldWindow;
    std::unique_ptr<THelpDlg> versionDialog;
    std::unique_ptr<TFloatDlg> floatMenu;
    // The versus dialog, which keeps the link to the other PC during a match.
    std::unique_ptr<versus::TCommDlg> commDialog;
    // The frame editor while command 102 runs it.
    std::unique_ptr<TFreamEdit> freamEditor;
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
    // Plays a music file by its bare name; a missing file leaves the game silent.
    void PlayMusic(const std::string &fileName);
    void StopMusic();
    void UpdateShieldWindow();
    void ShowShieldWindow(int32_t x, int32_t y);
    void PlayStep();
    void ReplayStep();
    void DirectMatchCamera();
    void ResolveCombat();
    void TickRobots();
    void CountDownResult();
    // --- Versus play (versus_play.cpp) ---
    // Runs the versus dialog; true when it linked, with the agreed level's stage loaded.
    bool LinkUp();
    // The round token both PCs send at a round's start: false when the read failed (it has said
    // why); a wrong token is shown with caption and the round starts all the same.
    bool SwapRoundToken(const char *caption);
    // The two-step barrier after the robots' reset, after which both PCs count steps alike.
    void PassRoundBarrier();
    // Swaps this step's order records in a linked match; false when the line failed, and then
    // the loop ends after this pass.
    bool ExchangeOrders();
    // Closes the link (telling the other PC) and returns to versus wanted, not linked.
    void LeaveLink();
    void FinishVersusMatch();
    void AppendVersusLog();
    // The device of the chosen port: the network address, the port's device named in the
    // settings file, or the system's name of the serial port.
    std::string PortDevice() const;
    // Asks for the other PC's network address, offering the last one; false when the player
    // cancelled or the answer is no address.
    bool AskNetworkAddress();
    void ScoreWonRound();
    void EndingEvents();
    void AimEndingCamera();
    void DrawFrameRate();
    // Command 102: the frame editor on the own robot, the game standing still meanwhile.
    void EditFream();
    void ToggleShieldWindow();
    // The 256-colour display is chosen before the engine opens: the choice waits for the next
    // start, as the message says.
    void TogglePaletteDisplay();
    void OpenHelp();
    // Checks the model library before anything loads from it; says what is wrong when it cannot
    // be used.
    bool ModelLibraryUsable();

    bool engineOpened_ = false;
};

// The score of a won round: 20 points for every 25 steps left, 40 for each point of shield.
int32_t RoundScore(int32_t timeCount, int32_t shield);

// Where the two robots start a round: the answering side of a linked match at +200 on both PCs.
struct StartPositions {
    float own, enemy;
};
StartPositions StartPositionsFor(int32_t versusMode);

// The colours of the names shown at a round's start: the answering side cyan on both PCs.
struct NameColours {
    TzColor own, enemy;
};
NameColours NameColoursFor(int32_t versusMode);

// Which robot comes first in a play step's combat and robot steps: the answering side's, so both
// PCs of a linked match compute the same outcome.
bool OwnRobotFirst(int32_t versusMode);

// True in the two linked versus modes.
bool IsLinked(int32_t versusMode);

// The versus log's line for a decided match, dated date: both names right-aligned in 20 cells,
// the rounds won and lost, and ○ for a won match or × for a lost one.
std::string VersusLogLine(const std::tm &date, const std::string &ownName,
                          const std::string &peerName, int32_t roundsWon, int32_t roundsLost);

// Where a scene instance stands.
inline Vector3 PositionOf(const ObjectStruct &instance) {
    return Vector3{instance.x, instance.y, instance.z};
}

// The record's name and mastery as the screens show them; the versus dialog shows them too.
using battle::DisplayName;
using battle::Mastery;

// UTF-8 text as the Shift_JIS bytes of a record's name, cut to the 19 bytes that fit without
// splitting a character; nothing when the text holds a character that Shift_JIS lacks.
std::optional<std::string> RecordName(const std::string &text);

// UTF-8 text cut to what a record's name holds (see RecordName), still as UTF-8 text.
std::optional<std::string> FittedName(const std::string &text);

// UTF-8 text right-aligned in cells character cells of the fixed-pitch face, where full-width
// characters take two cells, as their two Shift_JIS bytes do; longer text is left as it is.
std::string RightAligned(const std::string &text, int32_t cells);

}  // namespace match
