// One PC's copy of a versus fight on stage 1: the scene, the stage and both robots, this side's
// scripted orders, and the step both PCs take alike once the orders are swapped.
#pragma once

#include <cstdint>

#include "battle/fream.h"
#include "battle/scene.h"
#include "battle/stage.h"
#include "platform/sound_effects.h"

// The side that waited for the call, or the side that called.
enum class Role { Answering, Calling };

class LockstepFight {
  public:
    // The engine must be open and the model library path set.
    explicit LockstepFight(Role role);
    LockstepFight(const LockstepFight &) = delete;
    LockstepFight &operator=(const LockstepFight &) = delete;

    battle::TFream &Own() { return role_ == Role::Answering ? answering_ : calling_; }
    battle::TFream &Peer() { return role_ == Role::Answering ? calling_ : answering_; }

    // Orders the own robot as a player might in the given step: circling the other robot,
    // firing, switching weapons, now and then a turbo or a special attack.
    void GiveOwnOrders(int step);

    // The stage and both robots one step on, in the same order on both PCs. A destroyed robot
    // ends the round, and the next one starts at once.
    void Step();

    // A hash of both robots' positions, shields and headings after every step so far.
    uint64_t StateHash() const { return stateHash_; }
    int32_t RoundsFought() const { return roundsFought_; }

  private:
    void StartRound();
    void HashRobots();

    Role role_;
    platform::SilentSoundEffects sounds_;
    battle::Scene scene_;
    battle::TSubFrm stage_;
    battle::TFream answering_;
    battle::TFream calling_;
    uint64_t stateHash_;
    int32_t roundsFought_ = 0;
};
