// The fillers' entry points inside the engine, beside the exported TzFill* calls.
#pragma once

#include "trazel.h"

namespace trazel {

// Draws the closed outline through count points, one pixel wide, clipped to the back buffer.
void DrawOutline(const TzPoint *points, int32_t count, TzColor color);

}  // namespace trazel
