// A robot saved to and loaded from a frame file.
#include "frame_file.h"

#include <utility>

#include "fream.h"

namespace battle {

bool SaveFrame(std::FILE *file, TFream &robot) {
    return WriteFrameFile(file, robot.record, robot.bodyMesh, robot.gun->ProjectileMesh(),
                          robot.missile->ProjectileMesh());
}

bool LoadFrame(std::FILE *file, TFream &robot) {
    FrameContents loaded;
    if (!ReadFrameFile(file, loaded)) return false;
    // The meshes keep their addresses, which the scene's instances point at; only what they hold
    // changes hands, and the robot's old arrays leave with loaded.
    robot.record = loaded.record;
    std::swap(robot.bodyMesh, loaded.body);
    std::swap(robot.gun->ProjectileMesh(), loaded.gunProjectile);
    std::swap(robot.missile->ProjectileMesh(), loaded.missileProjectile);
    robot.Reset(nullptr, false);
    return true;
}

}  // namespace battle
