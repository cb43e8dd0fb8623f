// The command table: what each menu item, tool button and key does, and when it is grey or
// checked.
#include "main_window.h"
#include "platform/paths.h"

namespace match {
namespace {

constexpr const char *kHelpDocument = "morvex.html";

bool IsLevelCommand(int32_t command) {
    return command >= kLevel1Command && command < kLevel1Command + kLevels;
}

bool IsModelCommand(int32_t command) {
    return command >= kWireFrameCommand && command <= kGouraudShadingCommand;
}

bool IsPortCommand(int32_t command) {
    return (command >= kPort1Command && command < kPort1Command + 3) || command == kNetworkCommand;
}

int32_t PortOf(int32_t command) {
    return command == kNetworkCommand ? kNetworkPort : command - kPort1Command + 1;
}

int32_t ViewModeOf(int32_t command) {
    switch (command) {
        case kTopViewCommand:
            return battle::kTopView;
        case kSideViewCommand:
            return battle::kSideView;
        default:
            return battle::kMiddleView;
    }
}

}  // namespace

CommandState TMainFrm::QueryCommand(int32_t command) const {
    CommandState state;
    if (!EngineOpen()) {
        state.enabled = command == kExitCommand;
        return state;
    }
    bool roundRunning = gameState == kReady || gameState == kFight;
    if (IsLevelCommand(command)) {
        int32_t level = command - kLevel1Command + 1;
        state.enabled = levelReached >= level && !roundRunning;
        state.checked = selectedLevel == level;
    } else if (IsModelCommand(command)) {
        state.checked = GetModelMode() == command - kWireFrameCommand;
    } else if (IsPortCommand(command)) {
        state.enabled = !roundRunning;
        state.checked = commPort == PortOf(command);
    } else {
        switch (command) {
            case kTopViewCommand:
            case kMiddleViewCommand:
            case kSideViewCommand:
                state.enabled = !roundRunning;
                state.checked = stage->viewMode == ViewModeOf(command);
                break;
            case kVersusCommand:
                state.enabled = !roundRunning;
                state.checked = versusMode != kSolo;
                break;
            case kBombButton:
                state.enabled = false;  // no window handles it
                break;
            case kFrameEditorCommand:
            case kFrameReadCommand:
                state.enabled = gameState == kStopped || gameState == kTitle;
                break;
            case kFrameWriteCommand:
                state.enabled = !roundRunning;
                break;
            case kShieldCommand:
                state.checked = hosts_.shieldWindow.IsOpen();
                break;
            case kSoundEffectsCommand:
                state.checked = waveOn;
                break;
            case kMusicCommand:
                state.checked = midiOn;
                break;
            case kPaletteDisplayCommand:
                state.checked = paletteDisplayNext;
                break;
            case kHelpDocumentCommand:
            case kScoreClearCommand:
            case kStartCommand:
            case kStartButton:
            case kExitCommand:
            case kVersionCommand:
            case kGunButton:
            case kMissileButton:
                break;
            default:
                state.enabled = false;
                break;
        }
    }
    return state;
}

void TMainFrm::RunCommand(int32_t command) {
    // A stale menu or a key may ask for a command that is grey: it does nothing.
    if (!QueryCommand(command).enabled) return;
    if (IsLevelCommand(command)) {
        selectedLevel = command - kLevel1Command + 1;
        return;
    }
    if (IsModelCommand(command)) {
        SetModelMode(command - kWireFrameCommand);
        return;
    }
    if (IsPortCommand(command)) {
        if (command == kNetworkCommand && !AskNetworkAddress()) return;
        commPort = PortOf(command);
        return;
    }
    switch (command) {
        case kScoreClearCommand:
            ClearHighScores();
            break;
        case kStartCommand:
        case kStartButton:
            StartRound();
            break;
        case kExitCommand:
            hosts_.window.RequestClose();
            break;
        case kFrameEditorCommand:
            EditFream();
            break;
        case kPaletteDisplayCommand:
            TogglePaletteDisplay();
            break;
        case kVersusCommand:
            // Leaving a link between rounds keeps the port open: the other PC's next read then
            // runs out of time.
            roundsWon = roundsPlayed = 0;
            versusMode = versusMode == kSolo ? kVersusWanted : kSolo;
            break;
        case kShieldCommand:
            ToggleShieldWindow();
            break;
        case kSoundEffectsCommand:
            waveOn = !waveOn;
            myFream->soundOn = enemyFream->soundOn = waveOn ? 1 : 0;
            break;
        case kMusicCommand:
            if (midiOn) StopMusic();
            midiOn = !midiOn;
            break;
        case kTopViewCommand:
        case kMiddleViewCommand:
        case kSideViewCommand:
            stage->viewMode = ViewModeOf(command);
            break;
        case kHelpDocumentCommand:
            OpenHelp();
            break;
        case kFrameReadCommand:
            LoadFrameFile();
            break;
        case kFrameWriteCommand:
            SaveFrameFile();
            break;
        case kVersionCommand:
            versionDialog->Toggle(DisplayName(myFream->record), Mastery(myFream->record));
            break;
        case kGunButton:
            myFream->weaponSelect = 0;
            break;
        case kMissileButton:
            myFream->weaponSelect = 1;
            break;
        default:
            break;
    }
}

void TMainFrm::ToggleShieldWindow() {
    if (hosts_.shieldWindow.IsOpen()) {
        hosts_.shieldWindow.Close();
        return;
    }
    int32_t x = 0, y = 0;
    hosts_.shieldWindow.Position(&x, &y);
    ShowShieldWindow(x, y);
}

void TMainFrm::TogglePaletteDisplay() {
    paletteDisplayNext = !paletteDisplayNext;
    hosts_.window.ShowMessage(paletteDisplayNext ? "256色モードは次回の起動から有効になります。"
                                                 : "256色モードは次回の起動から解除されます。",
                              "Morvexゲーム", MessageIcon::Information, MessageButtons::Ok);
}

void TMainFrm::OpenHelp() {
    std::optional<std::string> path = platform::FindDataFile(kHelpDocument);
    if (!path) {
        hosts_.window.ShowMessage("ヘルプ文書 morvex.html が見つかりません。", "Morvexゲーム",
                                  MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    std::string failure = hosts_.window.OpenDocument(*path);
    if (!failure.empty())
        hosts_.window.ShowMessage("ヘルプ文書 " + *path + " を表示できません。\n" + failure,
                                  "Morvexゲーム", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace match
