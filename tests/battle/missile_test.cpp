// The missile launcher: volleys, steering, speeds and reach, smoke, barriers, and the collisions
// of gun shots with missiles.
#include "battle/collision.h"
#include "battle/missile_launcher.h"
#include "battle/model_library.h"

#include "battle_fixture.h"

using namespace battle;

namespace {

class MissileTest : public BattleTest {
  protected:
    void SetUp() override {
        BattleTest::SetUp();
        gun = std::make_unique<TWepnGun>(scene);
        missiles = std::make_unique<TWepnMiss>(scene);
    }
    void TearDown() override {
        missiles.reset();
        gun.reset();
        BattleTest::TearDown();
    }
    std::vector<int32_t> FiredHeadings() {
        std::vector<int32_t> headings;
        for (const ProjectileSlot &slot : missiles->slots) {
            if (slot.state > 0) headings.push_back(slot.heading);
        }
        return headings;
    }
    std::unique_ptr<TWepnGun> gun;
    std::unique_ptr<TWepnMiss> missiles;
};

// Aimed along +y: heading -1024.
constexpr GroundPoint kFrom{0, 0}, kAim{0, 100};

TEST_F(MissileTest, VolleysOfEachKind) {
    const std::pair<int32_t, std::vector<int32_t>> volleys[] = {
        {1001, {-1024}},    {1002, {-1024, -2048, 0}}, {1003, {-1024}},
        {1004, {-2048, 0}}, {1005, {-1024}},           {1006, {-1024, -1088, -960, -1152, -896}},
        {1007, {-1024}},    {1008, {-1536, -512}},
    };
    for (const auto &[kind, headings] : volleys) {
        missiles->SetKind(kind, false);
        ASSERT_TRUE(missiles->Fire(kFrom, kAim)) << kind;
        EXPECT_EQ(FiredHeadings(), headings) << kind;
    }
}

TEST_F(MissileTest, SidewaysMissilesFaceTheAimUntilTheyTurn) {
    missiles->SetKind(1004, false);
    missiles->Fire(kFrom, kAim);
    EXPECT_EQ(missiles->slots[0].instance->angleZ, -1024);
    EXPECT_EQ(missiles->slots[0].heading, -2048);
    for (int tick = 0; tick < 9; ++tick) missiles->Step({0, 5000});
    EXPECT_EQ(missiles->slots[0].state, 10);
    EXPECT_NEAR(missiles->slots[0].position.x, 90, 0.01);  // nine ticks sideways at 10
    missiles->Step({0, 5000});                             // at state 10 it turns onto the aim
    EXPECT_EQ(missiles->slots[0].heading, -1024);
}

TEST_F(MissileTest, TurningMissileWithItsTargetStraightBehindFliesStraight) {
    missiles->SetKind(1002, false);
    missiles->Fire(kFrom, kAim);
    for (int tick = 0; tick < 5; ++tick) {
        missiles->Step({0, -100});  // behind: heading 1024, exactly half a turn away
        EXPECT_EQ(missiles->slots[0].heading, -1024);
    }
}

TEST_F(MissileTest, TurningMissilesSwingFiftyTwoATickTheShortWayRound) {
    missiles->SetKind(1003, false);
    missiles->Fire(kFrom, kAim);  // heading -1024, along +y
    missiles->Step({1000, 24});   // ahead along +x: heading about -2032, turning down
    EXPECT_EQ(missiles->slots[0].heading, -1024 - 52);
    ProjectileSlot &missile = missiles->slots[0];
    missile.heading = -2040;  // just past +x towards +y; the target just past it towards -y
    missiles->Step({missile.position.x + 1000, missile.position.y - 74});
    EXPECT_EQ(missile.heading, -2040 - 52 + 4096);  // across the wrap, not the long way round
}

TEST_F(MissileTest, StraightMissilesLockOnOnlyWhenTheTargetIsNearlyAhead) {
    missiles->SetKind(1001, false);
    missiles->Fire(kFrom, kAim);
    missiles->Step({1000, 16});  // far to the side: no lock
    EXPECT_EQ(missiles->slots[0].heading, -1024);
    int32_t toTarget = HeadingTo(missiles->slots[0].position, {20, 300});
    missiles->Step({20, 300});  // a little off the course ahead: locks on
    EXPECT_EQ(missiles->slots[0].heading, toTarget);
}

TEST_F(MissileTest, UnsteeredMissilesReachLifeTimesSpeed) {
    const std::pair<int32_t, float> reaches[] = {{1001, 1280}, {1005, 1080}, {1006, 640}};
    for (const auto &[kind, reach] : reaches) {
        missiles->SetKind(kind, false);
        missiles->Fire(kFrom, kAim);
        for (int tick = 0; tick < 200; ++tick) missiles->Step({5000, -5000});  // never ahead
        EXPECT_NEAR(missiles->slots[0].position.y, reach, 0.5) << kind;
    }
}

TEST_F(MissileTest, BarrierStaysWhereItWasLaunchedSpinning) {
    missiles->SetKind(1007, false);
    missiles->Fire({30, 40}, kAim);
    for (int tick = 1; tick < 120; ++tick) {
        missiles->Step({0, 0});
        ASSERT_EQ(missiles->slots[0].position, (GroundPoint{30, 40}));
    }
    EXPECT_EQ(missiles->slots[0].instance->angleZ, 300 * 119);
    missiles->Step({0, 0});
    EXPECT_EQ(missiles->slots[0].state, 0);
    EXPECT_EQ(missiles->slots[0].instance->data, nullptr);
}

TEST_F(MissileTest, SmokeTrailsBehindEveryOtherTickAndFades) {
    missiles->SetKind(1001, false);
    missiles->Fire(kFrom, kAim);
    missiles->Step({0, 5000});  // state 1: no puff
    EXPECT_EQ(missiles->puffs[0].counter, 0);
    missiles->Step({0, 5000});  // state 2: a puff where the missile was
    EXPECT_EQ(missiles->puffs[0].counter, 5);
    EXPECT_NEAR(missiles->puffs[0].position.y, 16, 0.01);
    ObjectData *newest = missiles->puffs[0].instance->data;
    for (int tick = 0; tick < 5; ++tick) missiles->Step({0, 5000});
    EXPECT_EQ(missiles->puffs[0].counter, 0);
    EXPECT_EQ(missiles->puffs[0].instance->data, nullptr);
    EXPECT_NE(newest, nullptr);
}

TEST_F(MissileTest, BombsAndBarriersLeaveNoSmoke) {
    for (int32_t kind : {1005, 1007}) {
        missiles->SetKind(kind, false);
        missiles->Fire(kFrom, kAim);
        for (int tick = 0; tick < 10; ++tick) missiles->Step({0, 5000});
        for (const SmokePuff &puff : missiles->puffs) EXPECT_EQ(puff.counter, 0) << kind;
    }
}

TEST_F(MissileTest, ShotsAndMissilesThatMeetBothExplode) {
    gun->SetKind(1001, false);
    missiles->SetKind(1001, false);
    gun->Fire({0, 5}, {100, 5});
    missiles->Fire(kFrom, kAim);
    CollideProjectiles(*gun, *missiles);
    EXPECT_EQ(gun->slots[0].state, -10);
    EXPECT_EQ(missiles->slots[0].state, -10);
}

TEST_F(MissileTest, DrillShotsPassThroughMissiles) {
    gun->SetKind(1006, false);
    missiles->SetKind(1001, false);
    gun->Fire({0, 5}, {100, 5});
    missiles->Fire(kFrom, kAim);
    CollideProjectiles(*gun, *missiles);
    EXPECT_EQ(gun->slots[0].state, 1);
    EXPECT_EQ(missiles->slots[0].state, -10);
}

TEST_F(MissileTest, BarrierAbsorbsShotsButDrillsPassBoth) {
    missiles->SetKind(1007, false);
    missiles->Fire(kFrom, kAim);
    gun->SetKind(1001, false);
    gun->Fire({0, 5}, {100, 5});
    CollideProjectiles(*gun, *missiles);
    EXPECT_EQ(gun->slots[0].state, -10);
    EXPECT_EQ(missiles->slots[0].state, 1);
    gun->SetKind(1006, false);
    gun->Fire({0, 5}, {100, 5});
    CollideProjectiles(*gun, *missiles);
    EXPECT_EQ(gun->slots[0].state, 1);
    EXPECT_EQ(missiles->slots[0].state, 1);
}

TEST_F(MissileTest, ShotsFartherThanTwentyUnitsPass) {
    gun->SetKind(1001, false);
    missiles->SetKind(1001, false);
    gun->Fire({0, 20}, {100, 20});
    missiles->Fire(kFrom, kAim);
    CollideProjectiles(*gun, *missiles);
    EXPECT_EQ(gun->slots[0].state, 1);
    EXPECT_EQ(missiles->slots[0].state, 1);
}

TEST_F(MissileTest, ChangingKindKeepsTheProjectileMeshUnlessReloading) {
    ObjectData sideways{}, standard{};
    ASSERT_TRUE(LoadModel(sideways, "2W_Miss"));
    ASSERT_TRUE(LoadModel(standard, "Std_Miss"));
    ASSERT_NE(sideways.plnNum, standard.plnNum);
    missiles->SetKind(1004, true);
    missiles->Fire(kFrom, kAim);
    ObjectData *mesh = missiles->slots[0].instance->data;
    EXPECT_EQ(mesh->plnNum, sideways.plnNum);
    missiles->SetKind(1001, false);
    EXPECT_EQ(mesh->plnNum, sideways.plnNum);
    for (const SmokePuff &puff : missiles->puffs) EXPECT_EQ(puff.counter, 0);
    missiles->SetKind(1001, true);
    EXPECT_EQ(mesh->plnNum, standard.plnNum);
    FreeObjectData(&sideways);
    FreeObjectData(&standard);
}

}  // namespace
