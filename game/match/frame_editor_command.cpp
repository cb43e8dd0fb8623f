// Command 102: the frame editor on the own robot, with the game stopped while it is open.
#include "main_window.h"

namespace match {

// The editor draws with the engine into a back buffer of its own; the game window gets its own
// buffer and view back afterwards.
void TMainFrm::EditFream() {
    int32_t previousState = gameState;
    gameState = kStopped;
    freamEditor = std::make_unique<TFreamEdit>(hosts_.freamEditor);
    bool accepted =
        freamEditor->Execute({myFream->record, myFream->bodyMesh, myFream->gun->ProjectileMesh(),
                              myFream->missile->ProjectileMesh()});
    freamEditor.reset();
    gameState = previousState;
    if (accepted) freamDirty = true;
    myFream->Reset(nullptr, false);
    if (clientWidth > 0 && clientHeight > 0) {
        backDC = ResizeTrazel(hosts_.window.EngineOwner(), clientWidth, clientHeight);
        SetScreenDistance(static_cast<float>(clientWidth));
    }
    hosts_.window.Invalidate();
}

}  // namespace match
