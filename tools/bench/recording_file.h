// Reading the engine's polygon recording (TRAZEL.3DA) back into polygons, frame by frame.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "trazel.h"

struct RecordedPolygon {
    TzColor color;
    std::vector<TzPoint> points;
};

using RecordedFrame = std::vector<RecordedPolygon>;

// Every complete frame of the recording at path. On a missing file, a wrong signature or bytes
// that do not form polygons, returns false with the reason in problem; frames complete before
// the fault are kept.
bool ReadRecording(const std::filesystem::path &path, std::vector<RecordedFrame> &frames,
                   std::string &problem);
