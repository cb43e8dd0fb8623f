// Settings values read from and written to the settings file, and kept to the ranges the game
// knows.
#include "settings_values.h"

#include "main_window.h"

namespace match {
namespace {

std::string LevelKey(int32_t level, const char *what) {
    return "level" + std::to_string(level) + what;
}

template <typename Number>
void KeepWithin(Number &value, Number lowest, Number highest, Number fallback) {
    if (value < lowest || value > highest) value = fallback;
}

}  // namespace

SettingsValues WithinRange(SettingsValues values) {
    const SettingsValues defaults;
    KeepWithin(values.modelMode, TZ_MODEL_WIRE, TZ_MODEL_GOURAUD, defaults.modelMode);
    // The menu offers ports 1 to 3 and the network; the settings file may name any other serial
    // port (COM10 is /dev/ttyS9).
    KeepWithin(values.commPort, kNetworkPort, INT32_MAX, defaults.commPort);
    KeepWithin(values.viewMode, battle::kTopView, battle::kSideView, defaults.viewMode);
    KeepWithin(values.levelReached, 1, kLevels, defaults.levelReached);
    for (int32_t &score : values.highScore) KeepWithin(score, 0, INT32_MAX, 0);
    return values;
}

SettingsValues ReadSettings(const platform::ProfileFile &file) {
    SettingsValues values;
    auto read = [&file](const std::string &key, int32_t fallback) {
        return file.ReadInt(kSettingsSection, key, fallback);
    };
    values.showCommand = read("showcmd", values.showCommand);
    values.shieldOpen = read("shield", 1) == 1;
    values.shieldX = read("shieldx", values.shieldX);
    values.shieldY = read("shieldy", values.shieldY);
    values.modelMode = read("model", values.modelMode);
    values.midiOn = read("midi", 1) != 0;
    values.waveOn = read("wave", 1) != 0;
    values.commPort = read("comm", values.commPort);
    values.viewMode = read("viewmode", values.viewMode);
    values.levelReached = read("level", values.levelReached);
    for (int32_t level = 1; level <= kLevels; ++level) {
        int32_t &score = values.highScore[level - 1];
        std::string &name = values.highName[level - 1];
        score = read(LevelKey(level, "score"), score);
        std::optional<std::string> text = file.Read(kSettingsSection, LevelKey(level, "fream"));
        name = FittedName(text.value_or(name)).value_or(name);
    }
    values.paletteDisplay = read("palette256", 0) != 0;
    values.networkAddress = file.Read(kSettingsSection, "netaddress").value_or("");
    return values;
}

void WriteSettings(const SettingsValues &values, platform::ProfileFile &file) {
    auto write = [&file](const std::string &key, int32_t value) {
        file.Write(kSettingsSection, key, std::to_string(value));
    };
    write("showcmd", values.showCommand);
    write("shield", values.shieldOpen ? 1 : 0);
    write("shieldx", values.shieldX);
    write("shieldy", values.shieldY);
    write("model", values.modelMode);
    write("midi", values.midiOn ? 1 : 0);
    write("wave", values.waveOn ? 1 : 0);
    write("comm", values.commPort);
    write("viewmode", values.viewMode);
    write("level", values.levelReached);
    for (int32_t level = 1; level <= kLevels; ++level) {
        write(LevelKey(level, "score"), values.highScore[level - 1]);
        file.Write(kSettingsSection, LevelKey(level, "fream"), values.highName[level - 1]);
    }
    write("palette256", values.paletteDisplay ? 1 : 0);
    file.Write(kSettingsSection, "netaddress", values.networkAddress);
}

}  // namespace match
