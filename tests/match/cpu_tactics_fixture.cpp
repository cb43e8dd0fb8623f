// The computer opponent's test fixture: robots, the recording ground pick and seeded runs.
#include "cpu_tactics_fixture.h"

#include "battle/random.h"
#include "match/game_states.h"

using namespace battle;

namespace battle {
void PrintTo(const GroundPoint &point, std::ostream *out) {
    *out << "(" << point.x << ", " << point.y << ")";
}
}  // namespace battle

bool LeadsTargets(int32_t level) {
    return level == 7 || level == 8;
}

WantedDraw MissileDraw(int32_t level, bool launches) {
    if (level == 2 || level == 4 || LeadsTargets(level))
        return launches ? Equal(70 - 3 * level, 0) : AtLeast(70 - 3 * level, 1);
    return launches ? Below(70, level) : AtLeast(70, level);
}

std::vector<WantedDraw> QuietDraws(int32_t level) {
    std::vector<WantedDraw> draws{kNoWander, AtLeast(200 - 20 * level, 1)};
    if (!LeadsTargets(level)) draws.push_back(AtLeast(110 - 10 * level, 1));
    draws.push_back(MissileDraw(level, false));
    return draws;
}

std::vector<WantedDraw> Then(std::vector<WantedDraw> draws, const std::vector<WantedDraw> &more) {
    draws.insert(draws.end(), more.begin(), more.end());
    return draws;
}

void CpuTacticsTest::SetUp() {
    BattleTest::SetUp();
    self = std::make_unique<TFream>(scene, sounds);
    opponent = std::make_unique<TFream>(scene, sounds);
    PlaceOpponent(100);
    ResetSelf();
    situation.gameState = match::kFight;
    situation.clientWidth = 640;
    situation.clientHeight = 480;
    situation.groundPick = [this](match::ClientPoint point) {
        picked.push_back(point);
        return wanderTarget;
    };
}

void CpuTacticsTest::TearDown() {
    self.reset();
    opponent.reset();
    BattleTest::TearDown();
}

void CpuTacticsTest::PlaceOpponent(float distance, int32_t heading) {
    opponent->pos = {distance, 0};
    opponent->heading = heading;
}

void CpuTacticsTest::ResetSelf() {
    self->pos = kStart;
    self->moveTarget = kOnTheWay;
    self->moving = 1;
    self->fireNow = 0;
    self->weaponSelect = kUnsetWeapon;
    self->attackOrder = 0;
    self->attackTimer = 0;
    self->shield = TFream::kFullShield;
    picked.clear();
}

ProjectileSlot &CpuTacticsTest::Fly(TWeapon &weapon, GroundPoint position, int32_t heading) {
    ProjectileSlot &slot = weapon.slots[0];
    slot.state = 1;
    slot.position = position;
    slot.heading = heading;
    return slot;
}

void CpuTacticsTest::Run(uint32_t seed, int32_t level) {
    SeedRandom(seed);
    match::RunCpuTactics(situation, *self, *opponent, level);
}

uint32_t CpuTacticsTest::RunWith(const std::vector<WantedDraw> &draws, int32_t level,
                                 uint32_t after) {
    uint32_t seed = SeedFor(draws, after);
    EXPECT_NE(seed, 0u) << "no seed gives these draws";
    Run(seed, level);
    return seed;
}

void CpuTacticsTest::ExpectDrawsMade(uint32_t seed, int count) {
    ReplicaRandom replica(seed);
    for (int i = 0; i < count; ++i) replica.Next();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(NextRandom(), replica.Next()) << "expected " << count << " draws";
}

void CpuTacticsTest::ExpectGunShotAt(GroundPoint target) {
    EXPECT_EQ(self->fireNow, 1);
    EXPECT_EQ(self->weaponSelect, 0);
    EXPECT_EQ(self->moveTarget, target);
}

void CpuTacticsTest::ExpectNoOrders() {
    EXPECT_EQ(self->fireNow, 0);
    EXPECT_EQ(self->weaponSelect, kUnsetWeapon);
    EXPECT_EQ(self->moving, 1);
    EXPECT_EQ(self->moveTarget, kOnTheWay);
    EXPECT_EQ(self->attackOrder, 0);
    EXPECT_TRUE(picked.empty());
}
