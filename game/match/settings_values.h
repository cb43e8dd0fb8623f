// The values the settings file keeps between runs, with the defaults of a fresh installation.
#pragma once

#include <array>
#include <string>

#include "battle/stage.h"
#include "game_states.h"
#include "trazel.h"

namespace match {

struct SettingsValues {
    bool shieldOpen = true;
    int32_t shieldX = 320, shieldY = 0;
    int32_t modelMode = TZ_MODEL_HALFTONE;
    bool midiOn = true;
    bool waveOn = true;
    int32_t commPort = 1;
    int32_t viewMode = battle::kMiddleView;
    int32_t levelReached = 4;
    std::array<int32_t, kLevels> highScore{};
    std::array<std::string, kLevels> highName{"MyFream", "MyFream", "MyFream", "MyFream",
                                              "MyFream", "MyFream", "MyFream", "MyFream"};
};

// values with every number the game would not know (a drawing mode, a port, a view or a level
// outside their ranges, a negative score) replaced by its default, so a damaged or hand-edited
// settings file cannot lead the game astray.
SettingsValues WithinRange(SettingsValues values);

}  // namespace match
