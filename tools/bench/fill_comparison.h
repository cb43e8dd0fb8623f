// Flat fills of the same polygons by plain cairo and by the engine's TzFillPolygon, alternating.
#pragma once

#include "recording_file.h"

struct FillComparison {
    double cairoMilliseconds;   // median per frame's polygons
    double engineMilliseconds;  // median per frame's polygons
};

// Fills frame's polygons runs times with each, alternating: cairo (no antialiasing, solid colour,
// on an RGB24 image of the given size) and TzFillPolygon on the engine's current back buffer.
FillComparison CompareFlatFills(const RecordedFrame &frame, int width, int height, int runs,
                                double runTargetMilliseconds);
