// The frame file's layout: the version mark, the 80-byte record and three mesh blocks.
#include "frame_file.h"

#include <cstring>

#include "mesh_block.h"

namespace battle {
namespace {

constexpr char kVersionMark[4] = {'2', '.', '0', '0'};

bool ReadVersionMark(std::FILE *file) {
    char mark[sizeof kVersionMark];
    return std::fread(mark, 1, sizeof mark, file) == sizeof mark &&
           std::memcmp(mark, kVersionMark, sizeof mark) == 0;
}

bool ReadRecord(std::FILE *file, DefinitionRecord &record) {
    DefinitionBytes bytes;
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) return false;
    record = DecodeDefinitionRecord(bytes);
    return IsPlayable(record);
}

}  // namespace

FrameContents::~FrameContents() {
    FreeObjectData(&body);
    FreeObjectData(&gunProjectile);
    FreeObjectData(&missileProjectile);
}

bool WriteFrameFile(std::FILE *file, const DefinitionRecord &record, const ObjectData &body,
                    const ObjectData &gunProjectile, const ObjectData &missileProjectile) {
    DefinitionBytes bytes = EncodeDefinitionRecord(record);
    return std::fwrite(kVersionMark, 1, sizeof kVersionMark, file) == sizeof kVersionMark &&
           std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
           WriteMesh(file, body) && WriteMesh(file, gunProjectile) &&
           WriteMesh(file, missileProjectile);
}

bool ReadFrameFile(std::FILE *file, FrameContents &contents) {
    // The format has no lengths of its own: a byte after the third mesh means the counts did not
    // describe this file, so its meshes were read from the wrong places. The game never writes
    // one, and a robot read wrongly is worse than a refusal.
    return ReadVersionMark(file) && ReadRecord(file, contents.record) &&
           ReadMesh(file, contents.body) && ReadMesh(file, contents.gunProjectile) &&
           ReadMesh(file, contents.missileProjectile) && std::fgetc(file) == EOF;
}

}  // namespace battle
