// Every picture the game takes from its resource bundle, by file name.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "pictures/cairo_handles.h"

namespace pictures {

struct Picture {
    std::string fileName;
    std::function<Surface()> draw;
};

// The cursors, the tool bar pictures and the icon at every size, in a fixed order.
std::vector<Picture> GamePictures();
// Draws every picture into the folder as a PNG file; returns the paths written. The same build
// writes the same bytes every time.
std::vector<std::filesystem::path> WritePictures(const std::filesystem::path &folder);

}  // namespace pictures
