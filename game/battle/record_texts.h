// A definition record as the player reads it: its name as screen text, and its mouse mastery.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "definition_record.h"

namespace battle {

// The first byte of a two-byte Shift_JIS character.
bool IsShiftJisLeadByte(unsigned char byte);

// Shift_JIS bytes as UTF-8 text, character by character: bytes that are not Shift_JIS (a damaged
// frame file, a hostile peer) show as "?" and the rest still reads.
std::string ShiftJisText(std::string_view bytes);

// The name of a definition record as UTF-8 text for the screen.
std::string DisplayName(const DefinitionRecord &record);

// Mouse mastery: the sum over levels i = 0..7 of (i + 10) x score / 10, each term truncated.
int32_t Mastery(const DefinitionRecord &record);

}  // namespace battle
