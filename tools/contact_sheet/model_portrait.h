// One model drawn by the engine into its own back buffer, framed to fill it.
#pragma once

#include <string>

#include "trazel.h"

struct Portrait {
    int32_t polygons;  // drawn
    int32_t planes;    // in the mesh
    float radius;
};

// Reads tag from the model file and renders it, seen from the front and a little above, into a
// back buffer of width x height; false when the model cannot be read.
bool DrawPortrait(const std::string &path, const std::string &tag, int32_t width, int32_t height,
                  Portrait *portrait);
