// The two scenes the benchmark draws, as the object arrays Trazel takes (camera first).
#pragma once

#include <string>
#include <vector>

#include "bench_models.h"

struct BenchScene {
    std::string name;
    std::vector<ObjectStruct> objects;  // objects[0] is the camera

    int32_t ObjectCount() const { return static_cast<int32_t>(objects.size()) - 1; }
};

// Flat layers filling the polygon list, seen from straight above.
BenchScene StressScene(LoadedMeshes &meshes);
// Three robots, five obstacles and a dozen missiles on the ground, seen as during a match.
BenchScene ArenaScene(LoadedMeshes &meshes);

// Clears the back buffer and draws the scene once; returns Trazel's polygon count.
int32_t DrawFrame(BenchScene &scene);
