// The definition record: a robot's name, style, weapons, versus counters and best scores, 80 bytes
// exactly as the frame file and the other PC of a versus match carry them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace battle {

// Body styles: the tilt while travelling, and the turbo attack's style (FIRE below 200, ROBO
// above).
enum BodyStyle : int32_t {
    kFireSmall = 50,
    kFireMedium = 100,
    kFireLarge = 150,
    kRoboSmall = 300,
    kRoboMedium = 350,
    kRoboLarge = 400,
};

struct DefinitionRecord {
    char name[20];  // zero-terminated, Shift_JIS bytes; also the body's model tag
    int32_t reserved1;
    int32_t pitch;
    int32_t gunKind;
    int32_t missileKind;
    int32_t reserved2;
    int32_t versusPlayed;
    int32_t versusWon;
    int32_t score[8];  // best score of levels 1..8; 0 = not cleared
};
static_assert(sizeof(DefinitionRecord) == 80, "the definition record is 80 bytes on disk and wire");

constexpr size_t kDefinitionRecordBytes = 80;
using DefinitionBytes = std::array<uint8_t, kDefinitionRecordBytes>;

// A new robot: "My_Fream", FIRE_M, the first gun and missile.
DefinitionRecord NewDefinitionRecord();

// True when the game knows every field it looks up: both weapon kinds 1001..1008, one of the six
// body styles, and a name ended within its 20 bytes. A record from a frame file or from the other
// PC must pass before a robot takes it.
bool IsPlayable(const DefinitionRecord &record);

// Field by field, little-endian.
DefinitionBytes EncodeDefinitionRecord(const DefinitionRecord &record);
DefinitionRecord DecodeDefinitionRecord(const DefinitionBytes &bytes);

// The name as text (the bytes up to the first zero, at most 19).
std::string_view NameOf(const DefinitionRecord &record);
// Stores name, cut to 19 bytes, zero-filled.
void SetName(DefinitionRecord &record, std::string_view name);

}  // namespace battle
