// The lockstep fight: both PCs hold both robots and step the answering side's robot first.
#include "lockstep_fight.h"

#include <cstring>

#include "battle/collision.h"
#include "battle/weapon_kinds.h"

namespace {

constexpr int32_t kStage = 1;
// Where the robots stand when a round starts, as in a versus match.
constexpr float kStartDistance = 200.0f;
// The calling side's script runs this many steps ahead, so the robots do not mirror each other.
constexpr int kCallingPhase = 101;

// 64-bit FNV-1a.
constexpr uint64_t kHashStart = 14695981039346656037ull;
constexpr uint64_t kHashPrime = 1099511628211ull;

battle::Scene InitialisedScene() {
    battle::Scene scene;
    battle::InitialiseScene(scene);
    return scene;
}

// Robots of different weapons and style, so that two PCs which mixed them up would disagree.
battle::DefinitionRecord CallingRecord() {
    battle::DefinitionRecord record = battle::NewDefinitionRecord();
    record.gunKind = battle::kFirstKind + 3;
    record.missileKind = battle::kFirstKind + 5;
    record.pitch = battle::kRoboMedium;
    return record;
}

template <typename Value>
uint64_t Mixed(uint64_t hash, Value value) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    for (unsigned char byte : bytes) hash = (hash ^ byte) * kHashPrime;
    return hash;
}

}  // namespace

LockstepFight::LockstepFight(Role role)
    : role_(role),
      scene_(InitialisedScene()),
      answering_(scene_, sounds_),
      calling_(scene_, sounds_),
      stateHash_(kHashStart) {
    TzColor background;
    stage_.LoadStage(kStage, &background, scene_);
    battle::DefinitionRecord calling = CallingRecord();
    calling_.Reset(&calling, false);
    answering_.SetVisible(true);
    calling_.SetVisible(true);
    StartRound();
}

void LockstepFight::GiveOwnOrders(int step) {
    battle::TFream &own = Own();
    int t = step + (role_ == Role::Calling ? kCallingPhase : 0);
    own.moving = (t / 35) % 3 != 0;
    own.moveTarget = battle::MoveAlong(Peer().pos, (t * 37) % 4096, 150.0f + t % 90);
    if (t % 6 == 0) own.fireNow = 1;
    if (t % 50 == 0) own.weaponSelect = 1 - own.weaponSelect;
    if (t % 211 == 0) own.attackOrder = battle::kTurboOrdered;
    if (t % 397 == 0) own.specialOrder = battle::kSpecialOrdered;
}

void LockstepFight::Step() {
    // The answering side's robot goes first on both PCs, as in the game: hits and moves taken in
    // another order would split the fight.
    battle::TFream &first = answering_;
    battle::TFream &second = calling_;
    stage_.StepStage(scene_, kStage, first.pos, second.pos);
    battle::CollideProjectiles(*first.gun, *second.missile);
    battle::CollideProjectiles(*second.gun, *first.missile);
    battle::TFream::CheckHits(second, first);
    battle::TFream::CheckHits(first, second);
    first.Tick(second.pos);
    second.Tick(first.pos);
    if (first.IsDestroyed() || second.IsDestroyed()) StartRound();
    HashRobots();
}

void LockstepFight::StartRound() {
    answering_.Reset(nullptr, false);
    calling_.Reset(nullptr, false);
    answering_.pos = battle::GroundPoint{kStartDistance, 0};
    calling_.pos = battle::GroundPoint{-kStartDistance, 0};
    roundsFought_ += 1;
}

void LockstepFight::HashRobots() {
    for (const battle::TFream *robot : {&answering_, &calling_}) {
        stateHash_ = Mixed(stateHash_, robot->pos.x);
        stateHash_ = Mixed(stateHash_, robot->pos.y);
        stateHash_ = Mixed(stateHash_, robot->shield);
        stateHash_ = Mixed(stateHash_, robot->heading);
    }
}
