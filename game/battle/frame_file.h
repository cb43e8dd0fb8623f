// The frame file: a robot's definition record and its three meshes (body, gun projectile,
// missile) behind the version mark "2.00", so a robot can be kept and carried to another PC.
#pragma once

#include <cstdio>

#include "definition_record.h"
#include "trazel.h"

namespace battle {

class TFream;

// A robot as a frame file holds it. The meshes' arrays are the engine's tracked blocks; they are
// freed with the contents.
struct FrameContents {
    FrameContents() = default;
    FrameContents(const FrameContents &) = delete;
    FrameContents &operator=(const FrameContents &) = delete;
    ~FrameContents();

    DefinitionRecord record{};
    ObjectData body{}, gunProjectile{}, missileProjectile{};
};

// Writes a whole frame file, field by field, little-endian; false when the file refused a write.
bool WriteFrameFile(std::FILE *file, const DefinitionRecord &record, const ObjectData &body,
                    const ObjectData &gunProjectile, const ObjectData &missileProjectile);

// Reads a whole frame file into contents. True only when the version mark is "2.00", the record
// is playable, all three meshes arrived whole within the engine's limits and the file ends there.
bool ReadFrameFile(std::FILE *file, FrameContents &contents);

// The robot's record, body and projectile meshes as a frame file.
bool SaveFrame(std::FILE *file, TFream &robot);

// Gives the robot the record (which must be playable) and the meshes of contents, which take the
// robot's old meshes in exchange, and sets it up again as Reset does (shield full, orders cleared,
// position kept). Loading a frame file and the versus link's exchange both end here.
void TakeFrame(TFream &robot, FrameContents &contents);

// Gives the robot the record and meshes of a frame file and sets it up again as Reset does
// (shield full, orders cleared, position kept). A file that ReadFrameFile refuses leaves the robot
// exactly as it was and returns false.
bool LoadFrame(std::FILE *file, TFream &robot);

}  // namespace battle
