// The game's states, versus modes, roster and the other fixed numbers of the match flow.
#pragma once

#include <cstdint>

#include "battle/definition_record.h"

namespace match {

enum GameState : int32_t {
    kStopped = 2001,   // the loop has ended, or the frame editor is open
    kReady = 2002,     // round start: round number, "Ready", " GO !"
    kFight = 2003,     // the round is fought; time runs
    kRoundWon = 2004,  // result display after a round won
    kRoundLost = 2005,
    kRoundDraw = 2006,
    kLinking = 2007,  // the versus link dialog is running
    kTitle = 2008,    // title screen with the demo fight and the high scores
    kEnding = 2009,   // the ending after level 8
};

enum VersusMode : int32_t {
    kSolo = 100,
    kVersusWanted = 200,     // versus chosen, no link yet
    kLinkedAnswering = 201,  // linked, this PC answered the call
    kLinkedCalling = 202,    // linked, this PC called
};

constexpr int32_t kLevels = 8;
constexpr int32_t kStepMilliseconds = 50;
// A step that starts this late is computed but not painted.
constexpr uint32_t kLateStepMilliseconds = 60;
constexpr int32_t kReadyStart = 1560;  // timeCount at a round's start: 60 ready steps...
constexpr int32_t kFightStart = 1500;  // ...then at most 1500 fighting steps
constexpr int32_t kResultSteps = 100;
constexpr int32_t kGameOverEnd = -200;  // resultCount that returns a lost game to the title
constexpr int32_t kEndingSteps = 1080;
// Within this many units of the own robot a click means the robot itself.
constexpr float kOwnRobotReach = 30.0f;

// Cursors of the game window.
enum CursorId : int32_t { kAimCursor = 1, kSpecialCursor = 2, kTurboCursor = 3 };

// The computer robot of level 1..8 (name, style, gun and missile kinds).
battle::DefinitionRecord Roster(int32_t level);

}  // namespace match
