// The computer opponent's play step: the fresh random choice of moves, shots, missiles, turbo
// attacks and dodges, and the combat resolution on the computer's side.
#include "cpu_tactics.h"

#include <cstdlib>

#include "battle/collision.h"
#include "battle/random.h"
#include "game_states.h"

namespace match {
namespace {

using battle::Distance;
using battle::GroundPoint;
using battle::HeadingTo;
using battle::MoveAlong;
using battle::ProjectileSlot;
using battle::RandomBelow;
using battle::TFream;

// Within this distance of its move target the robot has arrived.
constexpr float kArrivalDistance = 20.0f;
// Closer than this the opponent is at close range; farther, at long range.
constexpr float kCloseRange = 200.0f;
// A turbo attack is only worth starting at a target farther than this.
constexpr float kTurboReach = 300.0f;
// How near a projectile of the opponent must come before the robot reacts to it.
constexpr int32_t kGunShotDanger = 40;
constexpr int32_t kMissileDanger = 80;
// Sidesteps: a quarter turn away from a gun shot, nearly so from a missile.
constexpr float kGunSidestep = 30.0f;
constexpr int32_t kGunSidestepTurn = 1024;
constexpr float kMissileSidestep = 10.0f;
constexpr int32_t kMissileSidestepTurn = 1020;

// A chance of 1 in n; with n 0 it is certain and nothing is drawn.
bool OneChanceIn(int32_t n) {
    return n == 0 || RandomBelow(n) < 1;
}

// A random coordinate of a client extent, 0 for an empty extent without a draw.
int32_t RandomCoordinate(int32_t extent) {
    return extent == 0 ? 0 : RandomBelow(extent);
}

// Levels 7 and 8 lead their targets instead of firing straight at long range.
bool LeadsTargets(int32_t level) {
    return level == 7 || level == 8;
}

void ShootGunAt(TFream &self, GroundPoint target) {
    self.moveTarget = target;
    self.weaponSelect = 0;
    self.fireNow = 1;
}

void LaunchMissileAt(TFream &self, GroundPoint target) {
    self.moving = 0;
    self.moveTarget = target;
    self.weaponSelect = 1;
    self.fireNow = 1;
}

void Wander(const CpuSituation &situation, TFream &self) {
    self.moving = 1;
    ClientPoint point;
    point.x = RandomCoordinate(situation.clientWidth);
    point.y = RandomCoordinate(situation.clientHeight);
    self.moveTarget = situation.groundPick(point);
}

// After a wander: a far target that lies roughly towards the opponent may become a turbo attack.
// The heading difference is not folded, so above 3000 counts as close as well.
void ConsiderTurboAttack(TFream &self, const TFream &opponent, int32_t level) {
    int32_t towardsOpponent = HeadingTo(self.pos, opponent.pos);
    int32_t towardsTarget = HeadingTo(self.pos, self.moveTarget);
    int32_t difference = std::abs(towardsOpponent - towardsTarget);
    bool roughlyTowardsOpponent = difference > 3000 || difference < 1100;
    if (Distance(self.pos, self.moveTarget) > kTurboReach && roughlyTowardsOpponent &&
        RandomBelow(16) < level) {
        self.moving = 0;
        self.attackOrder = battle::kTurboOrdered;
    }
}

// Where the opponent will be when a shot fired now arrives, distance units away.
GroundPoint AimedPoint(const TFream &opponent, float distance) {
    return MoveAlong(opponent.pos, opponent.heading, distance / 3);
}

// On the way to the move target the first chance that comes up fires, and no other is drawn.
void FireOnTheWay(TFream &self, const TFream &opponent, float distance, int32_t level) {
    if (distance < kCloseRange && OneChanceIn(200 - 20 * level)) {
        ShootGunAt(self, opponent.pos);
        return;
    }
    if (distance > kCloseRange && RandomBelow(30) == 0 && LeadsTargets(level)) {
        ShootGunAt(self, AimedPoint(opponent, distance));
        return;
    }
    if (!LeadsTargets(level) && OneChanceIn(110 - 10 * level)) ShootGunAt(self, opponent.pos);
}

void Arrive(TFream &self, const TFream &opponent, int32_t level) {
    self.moving = 0;
    if (level >= 5 && level <= 7) ShootGunAt(self, opponent.pos);
}

bool WantsMissile(int32_t level) {
    if (level == 2 || level == 4 || LeadsTargets(level)) return OneChanceIn(70 - 3 * level);
    return RandomBelow(70) < level;
}

// The draw comes first, so it is made even while a turbo attack holds the missile back.
void ConsiderMissile(TFream &self, const TFream &opponent, int32_t level) {
    if (WantsMissile(level) && self.attackTimer == 0) LaunchMissileAt(self, opponent.pos);
}

// Heads for the side of the projectile's path that lies farther from it.
void SidestepFrom(TFream &self, const ProjectileSlot &projectile, float reach, int32_t turn) {
    GroundPoint left = MoveAlong(self.pos, projectile.heading + turn, reach);
    GroundPoint right = MoveAlong(self.pos, projectile.heading - turn, reach);
    bool rightIsFarther =
        Distance(right, projectile.position) >= Distance(left, projectile.position);
    self.moveTarget = rightIsFarther ? right : left;
}

void DodgeGunShot(TFream &self, const TFream &opponent, int32_t level) {
    int32_t shot = opponent.gun->HitTest(self.pos, kGunShotDanger, battle::kNoSlot);
    if (shot == battle::kNoSlot || RandomBelow(16) >= level) return;
    self.moving = 1;
    self.fireNow = 0;
    // Lower levels only start running, towards whatever target they already had.
    if (level > 4) SidestepFrom(self, opponent.gun->slots[shot], kGunSidestep, kGunSidestepTurn);
}

void ShootMissileDown(TFream &self, const ProjectileSlot &missile, int32_t level) {
    self.moving = 0;
    if (!LeadsTargets(level)) {
        ShootGunAt(self, missile.position);
        return;
    }
    float distance = Distance(self.pos, missile.position);
    ShootGunAt(self, MoveAlong(missile.position, missile.heading, distance / 3));
}

void DodgeOrShootDownMissile(TFream &self, const TFream &opponent, int32_t level) {
    int32_t missile = opponent.missile->HitTest(self.pos, kMissileDanger, battle::kNoSlot);
    if (missile == battle::kNoSlot) return;
    const ProjectileSlot &slot = opponent.missile->slots[missile];
    if (RandomBelow(9) < level) {
        self.moving = 1;
        self.fireNow = 0;
        SidestepFrom(self, slot, kMissileSidestep, kMissileSidestepTurn);
    }
    if (RandomBelow(9) < level) ShootMissileDown(self, slot, level);
}

// The opponent's hits on the computer's robot are applied here, not by the match step.
void Defend(const CpuSituation &situation, TFream &self, TFream &opponent, int32_t level) {
    if (TFream::CheckHits(opponent, self) != battle::kNoSlot) Wander(situation, self);
    DodgeGunShot(self, opponent, level);
    DodgeOrShootDownMissile(self, opponent, level);
}

bool TakesDamage(int32_t gameState) {
    return gameState == kFight || gameState == kTitle;
}

}  // namespace

void RunCpuTactics(const CpuSituation &situation, TFream &self, TFream &opponent, int32_t level) {
    battle::CollideProjectiles(*self.gun, *opponent.missile);
    if (self.IsDestroyed() || situation.gameState == kReady) return;
    float distance = Distance(opponent.pos, self.pos);
    if (OneChanceIn(30)) {
        Wander(situation, self);
        ConsiderTurboAttack(self, opponent, level);
    }
    if (Distance(self.moveTarget, self.pos) >= kArrivalDistance)
        FireOnTheWay(self, opponent, distance, level);
    else
        Arrive(self, opponent, level);
    ConsiderMissile(self, opponent, level);
    if (TakesDamage(situation.gameState)) Defend(situation, self, opponent, level);
}

}  // namespace match
