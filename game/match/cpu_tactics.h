// The computer opponent: each play step a fresh, level-weighted random choice of orders for its
// robot, written into the same order fields the player's mouse writes.
#pragma once

#include <functional>

#include "battle/fream.h"
#include "main_window_host.h"

namespace match {

// What the tactics read of the game window.
struct CpuSituation {
    int32_t gameState;
    int32_t clientWidth, clientHeight;
    std::function<battle::GroundPoint(ClientPoint)> groundPick;
};

// One step of the computer robot self against opponent at level 1..8: moves, shots, missiles,
// turbo attacks, dodges, and the combat resolution on its own side (its shots against the
// opponent's missiles, the opponent's hits on it). Draws from the program's random generator
// exactly where each decision is made.
void RunCpuTactics(const CpuSituation &situation, battle::TFream &self, battle::TFream &opponent,
                   int32_t level);

}  // namespace match
