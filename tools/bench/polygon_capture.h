// The projected polygons of one frame of each scene, taken from the engine's mode 4 recording.
#pragma once

#include <filesystem>
#include <vector>

#include "recording_file.h"

// Opens the engine in the display format in a subfolder of the current folder, draws one frame
// of the stress scene and one of the arena in mode 4, closes the engine and reads the two frames
// back, the stress scene's first. Throws std::runtime_error when any step fails.
std::vector<RecordedFrame> CaptureProjectedPolygons(int32_t format, int32_t width, int32_t height,
                                                    const std::filesystem::path &models);
