// The eight computer robots, one per level: name, body style and weapons.
#include <stdexcept>
#include <string>

#include "game_states.h"

namespace match {
namespace {

struct RosterEntry {
    const char *name;
    int32_t gunKind, missileKind, pitch;
};

constexpr RosterEntry kRoster[kLevels] = {
    {"FlyFream", 1001, 1001, 100},  {"HotDog", 1003, 1001, 100}, {"Mount", 1002, 1002, 100},
    {"Octplus", 1002, 1003, 100},   {"Dragon", 1004, 1004, 400}, {"Quado", 1005, 1002, 300},
    {"MetalGirl", 1001, 1005, 300}, {"Dang", 1006, 1006, 100},
};

}  // namespace

battle::DefinitionRecord Roster(int32_t level) {
    if (level < 1 || level > kLevels) throw std::out_of_range("no level " + std::to_string(level));
    const RosterEntry &entry = kRoster[level - 1];
    battle::DefinitionRecord record = battle::NewDefinitionRecord();
    battle::SetName(record, entry.name);
    record.gunKind = entry.gunKind;
    record.missileKind = entry.missileKind;
    record.pitch = entry.pitch;
    return record;
}

}  // namespace match
