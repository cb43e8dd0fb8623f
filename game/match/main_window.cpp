// The game window's construction, settings, close check and destruction, and its sound calls.
#include "main_window.h"

#include "battle/model_library.h"

namespace match {

TMainFrm::TMainFrm(const Hosts &hosts, EngineOpener openEngine) : hosts_(hosts) {
    if (openEngine(1) == 0) {
        hosts_.window.ShowMessage("Trazelのオープンに失敗しました。", "ERROR", MessageIcon::Warning,
                                  MessageButtons::Ok);
        return;
    }
    if (!ModelLibraryUsable()) {
        CloseTrazel();
        return;
    }
    engineOpened_ = true;
    battle::InitialiseScene(scene);
    backColour = TZ_RGB(0, 0, 0);
    stage = std::make_unique<battle::TSubFrm>();
    recorder = std::make_unique<battle::TRecord>(battle::TRecord::kMostFrames);
    myFream = std::make_unique<battle::TFream>(scene, hosts_.sounds);
    enemyFream = std::make_unique<battle::TFream>(scene, hosts_.sounds);
    thirdFream = std::make_unique<battle::TFream>(scene, hosts_.sounds);
    shieldWindow = std::make_unique<TInforDlg>(hosts_.shieldWindow);
    versionDialog = std::make_unique<THelpDlg>(hosts_.versionDialog);
    floatMenu = std::make_unique<TFloatDlg>(hosts_.floatMenu, hosts_.window);
    commDialog = std::make_unique<versus::TCommDlg>(hosts_.commDialog, hosts_.linkPort);
    timeCount = 0;
    gameState = kTitle;
    selectedLevel = 1;
    versusMode = kSolo;
    freamDirty = false;
    roundsWon = roundsPlayed = 0;
    framePath = "MyFream.frm";
    ClearHighScores();
}

bool TMainFrm::ModelLibraryUsable() {
    const std::string &path = battle::ModelLibraryPath();
    std::optional<std::string> problem = battle::ModelLibraryProblem(path);
    if (!problem) return true;
    hosts_.window.ShowMessage("モデルライブラリ " + path + " を読めません。\n" + *problem,
                              "Morvexゲーム", MessageIcon::Error, MessageButtons::Ok);
    return false;
}

TMainFrm::~TMainFrm() {
    if (!engineOpened_) return;
    // The last tune would otherwise play on after the window has gone.
    StopMusic();
    // Tells the other PC of a running match that this one has gone.
    commDialog.reset();
    myFream.reset();
    enemyFream.reset();
    thirdFream.reset();
    shieldWindow.reset();
    recorder.reset();
    stage.reset();
    versionDialog.reset();
    floatMenu.reset();
    CloseTrazel();
}

void TMainFrm::OnWindowCreated() {
    if (!EngineOpen()) return;
    hosts_.window.SetCursor(kAimCursor);
    ApplySettings(ReadSettings(hosts_.settings.Load()));
}

void TMainFrm::ApplySettings(const SettingsValues &values) {
    if (!EngineOpen()) return;
    SettingsValues settings = WithinRange(values);
    // Any other show command opens the window as usual: the game never starts maximized, and
    // never invisible.
    if (settings.showCommand == kShowMinimizedInactive) hosts_.window.Minimize();
    if (settings.shieldOpen) {
        ShowShieldWindow(settings.shieldX, settings.shieldY);
    } else {
        hosts_.shieldWindow.Place(settings.shieldX, settings.shieldY);
    }
    SetModelMode(settings.modelMode);
    midiOn = settings.midiOn;
    waveOn = settings.waveOn;
    for (battle::TFream *fream : {myFream.get(), enemyFream.get(), thirdFream.get()})
        fream->soundOn = waveOn ? 1 : 0;
    commPort = settings.commPort;
    networkAddress = settings.networkAddress;
    stage->viewMode = settings.viewMode;
    levelReached = settings.levelReached;
    highScore = settings.highScore;
    highName = settings.highName;
    paletteDisplayNext = settings.paletteDisplay;
}

SettingsValues TMainFrm::CurrentSettings() const {
    SettingsValues values;
    values.showCommand = hosts_.window.IsMinimized() ? kShowMinimized : kShowNormal;
    values.shieldOpen = hosts_.shieldWindow.IsOpen();
    hosts_.shieldWindow.Position(&values.shieldX, &values.shieldY);
    values.modelMode = GetModelMode();
    values.midiOn = midiOn;
    values.waveOn = waveOn;
    values.commPort = commPort;
    values.networkAddress = networkAddress;
    values.viewMode = stage->viewMode;
    values.levelReached = levelReached;
    values.highScore = highScore;
    values.highName = highName;
    values.paletteDisplay = paletteDisplayNext;
    return values;
}

bool TMainFrm::OnCloseQuery() {
    if (EngineOpen()) {
        if (freamDirty) {
            MessageAnswer answer = hosts_.window.ShowMessage(
                "フレーム情報が更新されています。\n保存しますか？", "Morvexゲーム",
                MessageIcon::Question, MessageButtons::YesNoCancel);
            if (answer == MessageAnswer::Cancel) return false;
            if (answer == MessageAnswer::Yes && SaveFrameFile() == 0) return false;
        }
        // Read again: what another program wrote there meanwhile is kept. A failed write is not
        // reported; the old file stays as it was.
        platform::ProfileFile file = hosts_.settings.Load();
        WriteSettings(CurrentSettings(), file);
        hosts_.settings.Save(file);
    }
    loopRunning = false;
    return true;
}

void TMainFrm::ShowShieldWindow(int32_t x, int32_t y) {
    shieldWindow->SetNames(versusMode, DisplayName(myFream->record),
                           DisplayName(enemyFream->record));
    hosts_.shieldWindow.Open(x, y);
}

void TMainFrm::UpdateShieldWindow() {
    shieldWindow->Update(versusMode, myFream->shield, roundsWon, enemyFream->shield,
                         roundsPlayed - roundsWon);
}

void TMainFrm::PlayEffect(const char *fileName) {
    if (waveOn) hosts_.sounds.Play(fileName);
}

void TMainFrm::PlayMusic(const std::string &fileName) {
    // A tune that cannot play (no file, no device) leaves the game silent; the player is not told.
    if (midiOn) hosts_.music.Play(fileName);
}

void TMainFrm::StopMusic() {
    hosts_.music.Stop();
}

}  // namespace match
