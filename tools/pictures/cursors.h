// The game window's mouse cursors: a cross-hair in four corner brackets, alone or with a word
// beneath it, 32 x 32 pixels with the hot spot on the cross-hair's centre pixel (15, 15).
#pragma once

#include <string_view>

#include "pictures/cairo_handles.h"

namespace pictures {

enum class CursorKind {
    Aim = 1,            // the ordinary cursor
    SpecialAttack = 2,  // while a special attack is dragged from the own robot ("SPA")
    Turbo = 3,          // while a turbo attack is armed ("TURBO")
};

inline constexpr int kCursorSize = 32;
inline constexpr int kCursorHotSpot = 15;
// Rows from this one down hold the word; the cross-hair and its outline stay above it.
inline constexpr int kCursorWordArea = 25;

// The word shown under the cross-hair: empty for the ordinary cursor.
std::string_view CursorWord(CursorKind kind);
// Draws the cursor on a transparent 32 x 32 ARGB surface.
Surface DrawCursor(CursorKind kind);

}  // namespace pictures
