// What the versus dialog shows: "対戦相手募集中...." while it waits for the other PC, then the
// exchange's progress bar and the other PC's robot (name, weapons, record, mastery). Computed
// apart from drawing, so each state's texts can be checked without pixels.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "battle/definition_record.h"
#include "trazel.h"

namespace versus {

// The dialog's states.
enum CommState : int32_t { kIdle = 100, kWaiting = 101, kConnected = 102 };

// The exchange's steps: the record, then the body, gun and missile meshes.
constexpr int32_t kProgressSteps = 4;

// One text drawn anchored at its top-left corner, in black.
struct StatusText {
    int32_t x = 0, y = 0, height = 0;
    std::string text;                  // UTF-8
    TzColor background = TZ_NO_COLOR;  // TZ_NO_COLOR: transparent
};

using StatusTexts = std::vector<StatusText>;

// The texts of state at progress (0..kProgressSteps); the lines about the other PC's robot only
// once its record has arrived and been found playable (peer not null).
StatusTexts StatusTextsOf(int32_t state, int32_t progress, const battle::DefinitionRecord *peer);

void DrawStatusTexts(cairo_t *dc, const StatusTexts &texts);

}  // namespace versus
