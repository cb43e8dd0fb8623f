// The demo's meshes, read from its object file, and the lit scene they are placed in.
#pragma once

#include <array>
#include <string>

#include "trazel.h"

struct DemoMeshes {
    ObjectData robot{}, pyramid{}, ball{}, ground{};
};

// Reads every demo mesh from path; on failure releases what was read and returns false with a
// sentence saying what could not be read.
bool ReadDemoMeshes(const std::string &path, DemoMeshes &meshes, std::string &problem);
void FreeDemoMeshes(DemoMeshes &meshes);

// The camera (element 0) aimed at the robot, then ground, robot (relit every frame), pyramid and
// a ball turned by direction and twist.
using DemoScene = std::array<ObjectStruct, 5>;
DemoScene PlaceDemoScene(DemoMeshes &meshes);

// Light and projection for the scene; settings survive the engine being closed and reopened.
void SetDemoView();
