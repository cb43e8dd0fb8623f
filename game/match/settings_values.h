// The values the settings file keeps between runs, with the defaults of a fresh installation.
#pragma once

#include <array>
#include <string>

#include "battle/stage.h"
#include "game_states.h"
#include "platform/profile_file.h"
#include "trazel.h"

namespace match {

// The port number of the network line; the serial ports count from 1.
inline constexpr int32_t kNetworkPort = 0;

// The settings file's section for the game's keys.
inline constexpr const char *kSettingsSection = "morvex infor";

// How the game window was last shown: the show commands the settings file stores.
enum ShowCommand : int32_t {
    kShowNormal = 1,
    kShowMinimized = 2,
    kShowMinimizedInactive = 7,  // the one the game starts minimized with
};

struct SettingsValues {
    int32_t showCommand = kShowNormal;
    bool shieldOpen = true;
    int32_t shieldX = 320, shieldY = 0;
    int32_t modelMode = TZ_MODEL_HALFTONE;
    bool midiOn = true;
    bool waveOn = true;
    int32_t commPort = 1;  // kNetworkPort: the network line to networkAddress
    int32_t viewMode = battle::kMiddleView;
    int32_t levelReached = 4;
    std::array<int32_t, kLevels> highScore{};
    std::array<std::string, kLevels> highName{"MyFream", "MyFream", "MyFream", "MyFream",
                                              "MyFream", "MyFream", "MyFream", "MyFream"};
    // The engine draws in 8-bit palette colours (from the next start on).
    bool paletteDisplay = false;
    // The other PC of a versus match over the network, as HOST:PORT.
    std::string networkAddress;
};

// The values a settings file holds, each key missing or not a number taking its default; names
// are cut to what a robot's name holds, and one that cannot be a robot's name takes the default.
SettingsValues ReadSettings(const platform::ProfileFile &file);

// Writes every value into the file's section, in the order the game has always written them.
void WriteSettings(const SettingsValues &values, platform::ProfileFile &file);

// values with every number the game would not know (a drawing mode, a port, a view or a level
// outside their ranges, a negative score) replaced by its default, so a damaged or hand-edited
// settings file cannot lead the game astray.
SettingsValues WithinRange(SettingsValues values);

}  // namespace match
