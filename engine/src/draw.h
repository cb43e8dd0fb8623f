// Drawing the frame's polygon list in the current ModelMode.
#pragma once

#include "context.h"

namespace trazel {

// True for the ModelModes the engine knows.
bool IsKnownModelMode(int32_t mode);

// Draws polygons[0..count) of the frame's list: outlines unsorted, fills farthest first.
void DrawPolygonList(int32_t count);

}  // namespace trazel
