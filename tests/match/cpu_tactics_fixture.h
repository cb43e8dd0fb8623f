// The computer opponent's test fixture: two robots on a scene, a ground pick that records where
// a wander looks, seeded runs of the tactics and the draws each decision takes.
#pragma once

#include <ostream>
#include <vector>

#include "battle/fream.h"
#include "battle_fixture.h"
#include "forced_random.h"
#include "match/cpu_tactics.h"

namespace battle {
void PrintTo(const GroundPoint &point, std::ostream *out);
}  // namespace battle

inline const battle::GroundPoint kStart{0, 0};
// A move target the robot has not reached, and where a wander sends it.
inline const battle::GroundPoint kOnTheWay{-300, 0};
inline const battle::GroundPoint kWanderTarget{-200, 50};
// A weapon choice that no order writes, so any write shows.
constexpr int32_t kUnsetWeapon = 5;

bool LeadsTargets(int32_t level);
// The missile step's draw that launches a missile, or one that does not.
WantedDraw MissileDraw(int32_t level, bool launches);
inline const WantedDraw kNoWander = AtLeast(30, 1);
// Draws of a step with the opponent at close range that neither wanders, shoots nor launches.
std::vector<WantedDraw> QuietDraws(int32_t level);
std::vector<WantedDraw> Then(std::vector<WantedDraw> draws, const std::vector<WantedDraw> &more);

class CpuTacticsTest : public BattleTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    void PlaceOpponent(float distance, int32_t heading = 700);
    // The computer's robot on its way, with no order written yet.
    void ResetSelf();
    // Puts a projectile of weapon in flight at position.
    battle::ProjectileSlot &Fly(battle::TWeapon &weapon, battle::GroundPoint position,
                                int32_t heading);

    void Run(uint32_t seed, int32_t level);
    // Runs with the first seed above after whose draws come out as wanted; returns that seed.
    uint32_t RunWith(const std::vector<WantedDraw> &draws, int32_t level, uint32_t after = 0);
    // The generator must stand exactly count draws after seed.
    void ExpectDrawsMade(uint32_t seed, int count);

    void ExpectGunShotAt(battle::GroundPoint target);
    void ExpectNoOrders();

    std::unique_ptr<battle::TFream> self, opponent;
    match::CpuSituation situation{};
    battle::GroundPoint wanderTarget = kWanderTarget;
    std::vector<match::ClientPoint> picked;
};
