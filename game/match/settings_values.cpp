// Settings values kept to the ranges the game knows.
#include "settings_values.h"

namespace match {
namespace {

template <typename Number>
void KeepWithin(Number &value, Number lowest, Number highest, Number fallback) {
    if (value < lowest || value > highest) value = fallback;
}

}  // namespace

SettingsValues WithinRange(SettingsValues values) {
    const SettingsValues defaults;
    KeepWithin(values.modelMode, TZ_MODEL_WIRE, TZ_MODEL_GOURAUD, defaults.modelMode);
    KeepWithin(values.commPort, 1, 3, defaults.commPort);
    KeepWithin(values.viewMode, battle::kTopView, battle::kSideView, defaults.viewMode);
    KeepWithin(values.levelReached, 1, kLevels, defaults.levelReached);
    for (int32_t &score : values.highScore) KeepWithin(score, 0, INT32_MAX, 0);
    return values;
}

}  // namespace match
