// The state of a fight as bytes, to compare two runs of it: the robots with their projectiles
// and smoke, and the scene's slots.
#pragma once

#include <cstdint>
#include <vector>

#include "battle/fream.h"

class Recorder {
  public:
    template <typename T>
    void Put(const T &value) {
        const auto *bytes = reinterpret_cast<const uint8_t *>(&value);
        data.insert(data.end(), bytes, bytes + sizeof value);
    }
    // Pointers differ between runs; the mesh they show does not.
    void PutMesh(const ObjectData *mesh) {
        Put(mesh != nullptr ? mesh->pntNum : -1);
        Put(mesh != nullptr ? mesh->plnNum : -1);
    }
    std::vector<uint8_t> data;
};

void PutSlot(Recorder &out, const ObjectStruct &slot);
void PutRobot(Recorder &out, const battle::TFream &robot);
