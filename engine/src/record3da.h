// The polygon recording file TRAZEL.3DA written in ModelMode 4.
#pragma once

#include "context.h"

namespace trazel {

// Opens the file on the first recorded frame; false (with a message) when it cannot be created.
bool BeginRecordedFrame();
// Appends one drawn polygon: point count, red, green, blue, then x and y of every point.
void RecordPolygon(const ScreenPolygon &polygon);
// Ends the frame with the marker FF FF; false (with a message) when the file could not be written.
bool EndRecordedFrame();
// Closes the file (at CloseTrazel).
void CloseRecording();

}  // namespace trazel
