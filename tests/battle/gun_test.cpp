// The gun: volleys of every kind, flight speeds and reach, beams, cooldowns, obstacles, hit tests.
#include "battle/gun.h"

#include <cmath>

#include "battle_fixture.h"

using namespace battle;

namespace {

class GunTest : public BattleTest {
  protected:
    void SetUp() override {
        BattleTest::SetUp();
        gun = std::make_unique<TWepnGun>(scene);
    }
    void TearDown() override {
        gun.reset();
        BattleTest::TearDown();
    }
    // Fires one volley along +x and steps until every slot is free; the farthest any shot went.
    float Reach(int32_t kind) {
        gun->SetKind(kind, false);
        EXPECT_TRUE(gun->Fire({0, 0}, {100, 0}));
        float farthest = 0;
        for (int tick = 0; tick < 200; ++tick) {
            std::array<bool, TWeapon::kSlots> flying;
            for (int i = 0; i < TWeapon::kSlots; ++i) flying[i] = gun->slots[i].state > 0;
            gun->Step();
            for (int i = 0; i < TWeapon::kSlots; ++i) {
                if (flying[i]) farthest = std::max(farthest, gun->slots[i].position.x);
            }
        }
        return farthest;
    }
    std::unique_ptr<TWepnGun> gun;
};

TEST_F(GunTest, SingleShotsUseOneSlotEachUntilTheKindsCountIsBusy) {
    gun->SetKind(1001, false);
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_TRUE(gun->Fire({0, 0}, {100, 0})) << tick;
        gun->Step();
    }
    EXPECT_FALSE(gun->Fire({0, 0}, {100, 0}));  // five slots, all cooling down
    EXPECT_EQ(gun->slots[5].state, 0);
    for (int tick = 6; tick < 40; ++tick) gun->Step();
    EXPECT_FALSE(gun->Fire({0, 0}, {100, 0}));  // 39 ticks after the first shot
    gun->Step();
    EXPECT_TRUE(gun->Fire({0, 0}, {100, 0}));  // 40 ticks after it
}

TEST_F(GunTest, FanVolleySkipsBusySlotsAndComesOutPartly) {
    gun->SetKind(1003, false);
    for (int i = 0; i < 4; ++i) gun->slots[i].cooldown = 10;
    ASSERT_TRUE(gun->Fire({0, 0}, {100, 0}));
    EXPECT_EQ(gun->slots[4].heading, 2048);
    EXPECT_EQ(gun->slots[5].heading, 2048 - 300);
    EXPECT_EQ(gun->slots[4].instance->angleZ, 2048);
    EXPECT_EQ(gun->slots[4].instance->show, 1);
}

TEST_F(GunTest, VolleysOfEachKind) {
    GroundPoint from{0, 0}, along{100, 0};
    gun->SetKind(1003, false);
    gun->Fire(from, along);
    EXPECT_EQ(gun->slots[0].heading, 2048);
    EXPECT_EQ(gun->slots[1].heading, 2048 - 300);
    EXPECT_EQ(gun->slots[2].heading, 2048 + 300);
    EXPECT_EQ(gun->slots[3].state, 0);

    gun->SetKind(1005, false);  // two parallel shots, 12 units to either side
    gun->Fire(from, along);
    EXPECT_EQ(gun->slots[0].heading, 2048);
    EXPECT_EQ(gun->slots[1].heading, 2048);
    EXPECT_EQ(gun->slots[2].state, 0);
    EXPECT_NEAR(std::abs(gun->slots[0].position.y), 12 * std::sin(900 * 2 * M_PI / 4096), 0.01);
    EXPECT_NEAR(gun->slots[0].position.y, -gun->slots[1].position.y, 0.01);

    gun->SetKind(1008, false);  // three parallel beams 25 units apart at the start
    gun->Fire(from, along);
    EXPECT_EQ(Distance(gun->slots[0].position, from), 25.0f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(gun->slots[i].heading, 2048);

    gun->SetKind(1002, false);
    gun->Fire(from, along);
    EXPECT_EQ(gun->slots[1].state, 0);
}

TEST_F(GunTest, ShotAtItsOwnPositionFiresNothing) {
    gun->SetKind(1001, false);
    EXPECT_FALSE(gun->Fire({5, 5}, {5, 5}));
    EXPECT_EQ(gun->slots[0].state, 0);
}

TEST_F(GunTest, EachKindReachesLifeTimesSpeed) {
    EXPECT_NEAR(Reach(1001), 800, 0.1);
    EXPECT_NEAR(Reach(1002), 900, 0.1);
    EXPECT_NEAR(Reach(1003), 800, 0.1);
    EXPECT_NEAR(Reach(1004), 500, 0.1);
    EXPECT_NEAR(Reach(1006), 600, 0.1);
    EXPECT_NEAR(Reach(1007), 600, 0.1);
}

TEST_F(GunTest, LaserStaysAtTheMuzzleForTenTicksThenFlies) {
    gun->SetKind(1002, false);
    gun->Fire({0, 0}, {100, 0});
    for (int tick = 1; tick <= 10; ++tick) {
        gun->Step();
        EXPECT_EQ(gun->slots[0].position.x, 0) << tick;
        EXPECT_NE(gun->slots[0].instance->data, nullptr);
    }
    gun->Step();
    EXPECT_NEAR(gun->slots[0].position.x, 30, 0.001);
}

TEST_F(GunTest, ShotNearAnObstacleExplodesAndStillMakesItsMove) {
    PlaceObstacle(0, 0, 40);
    gun->SetKind(1001, false);
    gun->Fire({0, 0}, {100, 0});
    gun->Step();
    EXPECT_EQ(gun->slots[0].state, -9);
    EXPECT_NEAR(gun->slots[0].position.x, 20, 0.001);
    EXPECT_EQ(gun->slots[0].instance->angleZ, 1280);  // the explosion turns by -128 x state
    for (int tick = 0; tick < 9; ++tick) gun->Step();
    EXPECT_EQ(gun->slots[0].state, 0);
    EXPECT_NE(gun->slots[0].instance->data, nullptr);  // hidden a tick later
    gun->Step();
    EXPECT_EQ(gun->slots[0].instance->data, nullptr);
}

TEST_F(GunTest, DrillShotsSpinAsTheyFly) {
    gun->SetKind(1006, false);
    gun->Fire({0, 0}, {100, 0});
    gun->Step();
    gun->Step();
    EXPECT_EQ(gun->slots[0].instance->angleX, 600);
}

TEST_F(GunTest, HitTestLooksWithLargeRadiiAndDetonatesWithTwenty) {
    gun->SetKind(1001, false);
    gun->Fire({0, 0}, {100, 0});
    gun->Step();  // at x = 20
    EXPECT_EQ(gun->HitTest({50, 0}, 40, kNoSlot), 0);
    EXPECT_EQ(gun->slots[0].state, 2);
    EXPECT_EQ(gun->HitTest({50, 0}, 40, 0), kNoSlot);  // excluded
    EXPECT_EQ(gun->HitTest({50, 0}, 20, kNoSlot), kNoSlot);
    EXPECT_EQ(gun->HitTest({35, 0}, 20, kNoSlot), 0);
    EXPECT_EQ(gun->slots[0].state, -10);
    EXPECT_EQ(gun->HitTest({35, 0}, 20, kNoSlot), kNoSlot);  // exploding shots hit nothing more
}

TEST_F(GunTest, ChangingKindFreesEverySlot) {
    gun->SetKind(1001, false);
    gun->Fire({0, 0}, {100, 0});
    gun->Step();
    gun->SetKind(1004, false);
    for (const ProjectileSlot &slot : gun->slots) {
        EXPECT_EQ(slot.state, 0);
        EXPECT_EQ(slot.cooldown, 0);
        EXPECT_EQ(slot.instance->data, nullptr);
    }
    EXPECT_THROW(gun->SetKind(1009, false), std::out_of_range);
}

}  // namespace
