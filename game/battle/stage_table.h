// The nine stages: scenery models, background colours and the five placements of each.
#pragma once

#include <array>
#include <cstdint>

#include "trazel.h"

namespace battle {

constexpr int kStageCount = 9;  // levels 1..8 and the ending's stage 9
// A placement parked at this height is empty: no model, and it never blocks.
constexpr float kEmptyPlacementZ = -1.0f;

struct Placement {
    float x, y, z;
    int32_t angleZ, angleY, angleX;
    int32_t mesh;  // 0: the stage's first model, 1: its second
};

struct StageRecord {
    const char *tags[2];  // the second may be null
    TzColor background;
    std::array<Placement, 5> placements;  // placement k goes to scene slot 118 - k
};

// The record of stage 1..9; other numbers are refused with std::out_of_range.
const StageRecord &StageOf(int32_t stage);

}  // namespace battle
