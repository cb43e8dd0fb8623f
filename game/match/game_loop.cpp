// The game loop and its fixed 50 ms step: the title demo, the ending, the replay and play.
#include "main_window.h"

namespace match {

void TMainFrm::RunLoop() {
    if (!EngineOpen()) return;
    loopRunning = true;
    while (loopRunning) {
        if (!hosts_.window.DispatchEvents(WaitForNextStep())) break;
        TickGame();
    }
    loopRunning = false;
    gameState = kStopped;
    if (IsLinked(versusMode)) LeaveLink();
    hosts_.window.PostEnterTitle();
}

uint32_t TMainFrm::WaitForNextStep() {
    uint32_t lag = hosts_.window.NowMilliseconds() - tickBase;
    return lag > kStepMilliseconds ? 0 : kStepMilliseconds + 1 - lag;
}

void TMainFrm::TickGame() {
    if (!EngineOpen()) return;
    tickLag = hosts_.window.NowMilliseconds() - tickBase;
    if (tickLag <= kStepMilliseconds) return;
    // One step at a time: after a stall the following passes catch up step by step.
    tickBase += kStepMilliseconds;
    if (gameState == kEnding) {
        EndingStep();
        if (timeCount == kEndingSteps) {
            EnterTitle();
            return;
        }
    } else if (gameState == kTitle) {
        if (timeCount == 1000) timeCount = 0;
        if (timeCount % 400 == 0) TitleDemoSetup();
        stage->DirectCamera(scene[battle::kCameraSlot], battle::kDemoCamera,
                            PositionOf(*thirdFream->body), PositionOf(*enemyFream->body),
                            timeCount % 400);
        timeCount += 1;
        TitleDemoStep();
        shieldWindow->Update(versusMode, enemyFream->shield, roundsWon, thirdFream->shield,
                             roundsPlayed - roundsWon);
    } else if ((myFream->shield < 0 || enemyFream->shield < 0) &&
               (gameState == kRoundWon || gameState == kRoundLost) && resultCount > 0) {
        ReplayStep();
    } else {
        if (gameState != kReady) myFream->moveTarget = GroundPick(mousePoint);
        if (!ExchangeOrders()) return;
        StepMatch();
        if (gameState == kTitle) return;
        recorder->RecordFrame(scene);
        UpdateShieldWindow();
    }
    if (tickLag < kLateStepMilliseconds) hosts_.window.Invalidate();
    if (gameState == kReady && timeCount == kFightStart) gameState = kFight;
    if (gameState == kFight || gameState == kReady) timeCount -= 1;
    if (myFream->knockback != 1 && enemyFream->knockback != 1 &&
        (enemyFream->shield < 0 || myFream->shield < 0 || timeCount < 0)) {
        RoundEnd();
    }
}

// The last recorded steps again, oldest first, the camera on the final blow.
void TMainFrm::ReplayStep() {
    recorder->PlayFrame(scene);
    const battle::TFream &winner = gameState == kRoundWon ? *myFream : *enemyFream;
    const battle::TFream &loser = gameState == kRoundWon ? *enemyFream : *myFream;
    stage->DirectCamera(scene[battle::kCameraSlot], battle::kReplayCamera, PositionOf(*winner.body),
                        PositionOf(*loser.body), resultCount);
    resultCount -= 1;
}

}  // namespace match
