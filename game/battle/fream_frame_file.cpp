// A robot saved to and loaded from a frame file, and given the contents of one.
#include "frame_file.h"

#include <utility>

#include "fream.h"

namespace battle {

bool SaveFrame(std::FILE *file, TFream &robot) {
    return WriteFrameFile(file, robot.record, robot.bodyMesh, robot.gun->ProjectileMesh(),
                          robot.missile->ProjectileMesh());
}

void TakeFrame(TFream &robot, FrameContents &contents) {
    // The meshes keep their addresses, which the scene's instances point at; only what they hold
    // changes hands, and the robot's old arrays leave with contents.
    robot.record = contents.record;
    std::swap(robot.bodyMesh, contents.body);
    std::swap(robot.gun->ProjectileMesh(), contents.gunProjectile);
    std::swap(robot.missile->ProjectileMesh(), contents.missileProjectile);
    robot.Reset(nullptr, false);
}

bool LoadFrame(std::FILE *file, TFream &robot) {
    FrameContents loaded;
    if (!ReadFrameFile(file, loaded)) return false;
    TakeFrame(robot, loaded);
    return true;
}

}  // namespace battle
