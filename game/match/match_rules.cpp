// The match rules: round start, the play step, the round's end, levels, title and ending entry.
#include "main_window.h"

#include "battle/collision.h"
#include "cpu_tactics.h"

namespace match {
namespace {

constexpr float kStartDistance = 200.0f;

bool IsResult(int32_t gameState) {
    return gameState == kRoundWon || gameState == kRoundLost || gameState == kRoundDraw;
}

}  // namespace

int32_t RoundScore(int32_t timeCount, int32_t shield) {
    return (timeCount / 25) * 20 + shield * 40;
}

StartPositions StartPositionsFor(int32_t versusMode) {
    if (versusMode == kLinkedCalling) return StartPositions{-kStartDistance, kStartDistance};
    return StartPositions{kStartDistance, -kStartDistance};
}

NameColours NameColoursFor(int32_t versusMode) {
    if (versusMode == kLinkedCalling) return NameColours{kRed, kCyan};
    return NameColours{kCyan, kRed};
}

bool OwnRobotFirst(int32_t versusMode) {
    return versusMode != kLinkedCalling;
}

void TMainFrm::LevelSetup() {
    stage->LoadStage(selectedLevel, &backColour, scene);
    battle::DefinitionRecord opponent = Roster(selectedLevel);
    enemyFream->Reset(&opponent, true);
}

void TMainFrm::StartRound() {
    if (!EngineOpen() || gameState == kFight || gameState == kReady) return;
    if (resultCount > 0 && versusMode != kSolo) return;
    if (versusMode == kSolo) {
        LevelSetup();
    } else {
        bool firstRound = !IsLinked(versusMode);
        if (firstRound && !LinkUp()) return;
        // The other PC's robot came over the link: its record and meshes stay.
        enemyFream->Reset(nullptr, false);
        if (!SwapRoundToken(firstRound ? "" : "ST")) return;
    }
    thirdFream->SetVisible(false);
    enemyFream->SetVisible(true);
    myFream->SetVisible(true);
    myFream->Reset(nullptr, false);
    if (versusMode != kSolo) PassRoundBarrier();
    tickBase = hosts_.window.NowMilliseconds();
    timeCount = kReadyStart;
    if (currentLevel != selectedLevel ||
        (gameState == kRoundLost && roundsPlayed - roundsWon == 2)) {
        roundsWon = roundsPlayed = 0;
    }
    currentLevel = selectedLevel;
    StartPositions start = StartPositionsFor(versusMode);
    myFream->pos = battle::GroundPoint{start.own, 0};
    enemyFream->pos = battle::GroundPoint{start.enemy, 0};
    UpdateShieldWindow();
    shieldWindow->SetNames(versusMode, DisplayName(myFream->record),
                           DisplayName(enemyFream->record));
    hosts_.shieldWindow.Invalidate();
    PlayEffect("ReadyGo.wav");
    if (midiOn) {
        StopMusic();
        PlayMusic(Format("Action%d.Mid", selectedLevel));
    }
    gameState = kReady;
    if (!loopRunning) RunLoop();
}

void TMainFrm::CpuTactics(battle::TFream &self, battle::TFream &opponent, int32_t level) {
    CpuSituation situation{gameState, clientWidth, clientHeight,
                           [this](ClientPoint point) { return GroundPick(point); }};
    RunCpuTactics(situation, self, opponent, level);
}

void TMainFrm::StepMatch() {
    if (!EngineOpen()) return;
    DirectMatchCamera();
    stage->StepStage(scene, currentLevel, myFream->pos, enemyFream->pos);
    if (gameState != kReady && versusMode == kSolo)
        CpuTactics(*enemyFream, *myFream, selectedLevel);
    if (gameState == kFight) ResolveCombat();
    if (gameState != kStopped) TickRobots();
    CountDownResult();
}

// The camera of the step; a later choice replaces an earlier one.
void TMainFrm::DirectMatchCamera() {
    ObjectStruct &camera = scene[battle::kCameraSlot];
    Vector3 own = PositionOf(*myFream->body);
    Vector3 enemy = PositionOf(*enemyFream->body);
    Vector3 marker = PositionOf(scene[battle::kMarkerSlot]);
    if (gameState == kReady) {
        stage->DirectCamera(camera, battle::kFlyInCamera, own, marker, kReadyStart - timeCount);
    } else if (stage->viewMode == battle::kSideView) {
        stage->DirectCamera(camera, battle::kChaseCamera, own, enemy, timeCount);
    } else {
        stage->DirectCamera(camera, battle::kFixedCamera, marker, marker, 0);
    }
    Vector3 muzzle = PositionOf(*myFream->gun->slots[0].instance);
    int32_t special = myFream->specialTimer;
    if (special >= 19) {
        stage->DirectCamera(camera, battle::kSpecialCamera, own, enemy, special);
    } else if (special >= 6 && special <= 18) {
        stage->DirectCamera(camera, battle::kSpecialCamera, muzzle, enemy, special);
    }
    int32_t attack = myFream->attackTimer;
    if (attack <= 0) return;
    if (myFream->record.pitch > 200) {
        stage->DirectCamera(camera, battle::kRoboTurboCamera, own, enemy, attack);
    } else if (myFream->record.pitch < 200) {
        battle::GroundPoint target = myFream->attackTarget;
        bool farFromTarget = battle::Distance(myFream->pos, target) >= 20.0f;
        stage->DirectCamera(camera, battle::kFireTurboCamera, farFromTarget ? own : muzzle,
                            Vector3{target.x, target.y, 0}, attack);
    }
}

void TMainFrm::ResolveCombat() {
    battle::TFream &own = *myFream;
    battle::TFream &enemy = *enemyFream;
    if (versusMode == kSolo) {
        battle::CollideProjectiles(*own.gun, *enemy.missile);
        battle::TFream::CheckHits(enemy, own);
        return;
    }
    // Both PCs treat the answering side's robot first.
    battle::TFream &first = OwnRobotFirst(versusMode) ? own : enemy;
    battle::TFream &second = OwnRobotFirst(versusMode) ? enemy : own;
    battle::CollideProjectiles(*first.gun, *second.missile);
    battle::CollideProjectiles(*second.gun, *first.missile);
    battle::TFream::CheckHits(second, first);
    battle::TFream::CheckHits(first, second);
}

void TMainFrm::TickRobots() {
    battle::TFream &first = OwnRobotFirst(versusMode) ? *myFream : *enemyFream;
    battle::TFream &second = OwnRobotFirst(versusMode) ? *enemyFream : *myFream;
    first.Tick(second.pos);
    second.Tick(first.pos);
}

void TMainFrm::CountDownResult() {
    if (resultCount == kGameOverEnd) {
        EnterTitle();
        return;
    }
    if (resultCount == 0) {
        int32_t roundsLost = roundsPlayed - roundsWon;
        if (versusMode != kSolo && (roundsWon == 2 || roundsLost == 2)) {
            FinishVersusMatch();
            return;
        }
        if (roundsWon == 2 && currentLevel == kLevels && versusMode == kSolo) {
            EnterEnding();
            return;
        }
        if (gameState == kRoundWon || gameState == kRoundDraw ||
            (gameState == kRoundLost && (versusMode != kSolo || roundsLost < 2))) {
            StartRound();
            return;
        }
    }
    if (IsResult(gameState)) resultCount -= 1;
}

void TMainFrm::RoundEnd() {
    if (!EngineOpen() || gameState != kFight) return;
    if (midiOn) StopMusic();
    int32_t enemy = enemyFream->shield;
    int32_t own = myFream->shield;
    if (enemy == own || (enemy < 0 && own < 0)) {
        gameState = kRoundDraw;
        PlayMusic("Draw.Mid");
    } else if (enemy < own) {
        gameState = kRoundWon;
        roundsPlayed += 1;
        PlayMusic("Win.Mid");
        roundsWon += 1;
        ScoreWonRound();
    } else {
        gameState = kRoundLost;
        roundsPlayed += 1;
        PlayMusic("Lose.Mid");
    }
    UpdateShieldWindow();
    hosts_.shieldWindow.Invalidate();
    resultCount = kResultSteps;
}

// The round's score; a cleared solo level also sets the high scores and opens the next level.
void TMainFrm::ScoreWonRound() {
    int32_t roundScore = RoundScore(timeCount, myFream->shield);
    if (roundsWon == 1) {
        totalScore = roundScore;
        return;
    }
    totalScore += roundScore;
    if (versusMode != kSolo) return;
    int32_t level = selectedLevel - 1;
    if (highScore[level] < totalScore) {
        highScore[level] = totalScore;
        highName[level] = DisplayName(myFream->record);
    }
    if (myFream->record.score[level] < totalScore) {
        myFream->record.score[level] = totalScore;
        freamDirty = true;
    }
    selectedLevel = selectedLevel == kLevels ? 1 : selectedLevel + 1;
    if (levelReached < selectedLevel) levelReached = selectedLevel;
}

void TMainFrm::EnterTitle() {
    if (!EngineOpen()) return;
    timeCount = resultCount = roundsPlayed = roundsWon = 0;
    gameState = kTitle;
    TitleDemoSetup();
    if (!loopRunning) RunLoop();
}

void TMainFrm::ClearHighScores() {
    highScore.fill(0);
    highName.fill("My_Fream");
}

}  // namespace match
