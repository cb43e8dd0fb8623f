// The robot: orders, movement and obstacles, special and turbo attacks in both styles, hits,
// knockback, destruction, sounds and set-up failures.
#include "battle/fream.h"
#include "battle/model_library.h"

#include <cstring>
#include <functional>

#include "battle_fixture.h"

using namespace battle;

namespace {

class FreamTest : public BattleTest {
  protected:
    void SetUp() override {
        BattleTest::SetUp();
        robot = std::make_unique<TFream>(scene, sounds);
        robot->soundOn = 1;
    }
    void TearDown() override {
        robot.reset();
        BattleTest::TearDown();
    }
    void UseStyle(int32_t pitch) {
        DefinitionRecord record = robot->record;
        record.pitch = pitch;
        robot->Reset(&record, false);
    }
    // A shot fired in a tick has made one step by the tick's end.
    bool GunFiredThisTick() const {
        for (const ProjectileSlot &slot : robot->gun->slots) {
            if (slot.state == 2) return true;
        }
        return false;
    }
    int FlyingShots() const {
        int flying = 0;
        for (const ProjectileSlot &slot : robot->gun->slots) flying += slot.state > 0;
        return flying;
    }
    std::unique_ptr<TFream> robot;
    GroundPoint opponent{0, 400};
};

TEST_F(FreamTest, ANewRobotHasTheDefaultRecordAndAFullShield) {
    EXPECT_EQ(NameOf(robot->record), "My_Fream");
    EXPECT_EQ(robot->record.pitch, kFireMedium);
    EXPECT_EQ(robot->record.reserved1, 3);
    EXPECT_EQ(robot->record.reserved2, 1001);
    EXPECT_EQ(robot->shield, 100);
    EXPECT_EQ(robot->pos, (GroundPoint{-100, -100}));
    EXPECT_EQ(robot->speed, 10 - 3 - 3);
    EXPECT_EQ(robot->body, &scene[1]);
    EXPECT_EQ(robot->effect, &scene[2]);
    EXPECT_EQ(robot->slotIndex, 1);
    EXPECT_EQ(robot->gun->slots[0].instance, &scene[3]);
}

TEST_F(FreamTest, MoveTargetsAreKeptWithinTheArena) {
    robot->moveTarget = {1500.7f, 0};
    robot->Tick(opponent);
    EXPECT_NEAR(robot->moveTarget.x, 1500.7f * 1000 / 1500, 0.001);
    robot->moveTarget = {1000.9f, 0};
    robot->Tick(opponent);
    EXPECT_EQ(robot->moveTarget.x, 1000.9f);
}

TEST_F(FreamTest, MoveOrderWalksTowardsTheTargetLeaningForward) {
    robot->pos = {0, 0};
    robot->moveTarget = {500, 0};
    robot->moving = 1;
    robot->Tick(opponent);
    EXPECT_NEAR(robot->pos.x, robot->speed + 5, 0.001);
    EXPECT_EQ(robot->body->angleY, robot->record.pitch);
    EXPECT_EQ(robot->body->angleZ, 2048);
    EXPECT_EQ(robot->body->x, robot->pos.x);
    robot->moving = 0;
    robot->Tick(opponent);
    EXPECT_EQ(robot->body->angleY, 0);
}

TEST_F(FreamTest, OnlyObstaclesOnTheGroundBlockAMove) {
    for (float height : {0.001f, -1.0f, 0.0f}) {
        robot->pos = {0, 0};
        PlaceObstacle(1, 55, 0, height);
        robot->moveTarget = {500, 0};
        robot->moving = 1;
        robot->Tick(opponent);
        if (height == 0.0f) {
            EXPECT_EQ(robot->pos, (GroundPoint{0, 0}));  // the step would end 46 units from it
        } else {
            EXPECT_GT(robot->pos.x, 0) << height;
        }
    }
}

TEST_F(FreamTest, ShotAtItsOwnPositionFiresNothing) {
    robot->pos = {10, 10};
    robot->Fire({10, 10});
    EXPECT_EQ(FlyingShots(), 0);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(FreamTest, FiringPlaysTheSelectedWeaponsSound) {
    robot->pos = {0, 0};
    robot->Fire({100, 0});
    robot->weaponSelect = 1;
    robot->Fire({100, 0});
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"Gunshot.wav", "Missshot.wav"}));
    robot->soundOn = 0;
    robot->Fire({0, 100});
    EXPECT_EQ(sounds.played.size(), 2u);
}

TEST_F(FreamTest, HitsTakeDamageAndKnockBackAlongTheProjectilesFlight) {
    TFream shooter(scene, sounds);
    shooter.pos = {0, 0};
    robot->pos = {30, 0};
    shooter.Fire({100, 0});
    shooter.gun->slots[0].position = {25, 0};
    EXPECT_EQ(TFream::CheckHits(shooter, *robot), 0);
    EXPECT_EQ(robot->shield, 100 - 8);
    EXPECT_EQ(robot->knockback, 1);
    EXPECT_EQ(robot->knockHeading, 2048);
    EXPECT_EQ(shooter.gun->slots[0].state, -10);
    EXPECT_EQ(sounds.played.back(), "Crushfrm.wav");
    for (int tick = 0; tick < 11; ++tick) robot->Tick({0, 0});
    EXPECT_NEAR(robot->pos.x, 30 + 11 * 12, 0.01);
    EXPECT_EQ(robot->knockback, 0);
    EXPECT_EQ(TFream::CheckHits(shooter, *robot), kNoSlot);
}

TEST_F(FreamTest, KnockbackStopsAtTheLastFreePointBeforeAnObstacle) {
    robot->pos = {0, 0};
    PlaceObstacle(3, 110, 0);
    robot->Hit(2048);  // pushed along +x, 12 units a tick
    for (int tick = 0; tick < 11; ++tick) robot->Tick({0, 400});
    EXPECT_NEAR(robot->pos.x, 60, 0.01);  // 72 would be within 50 of the obstacle
    robot->Hit(kNoSlot);
    EXPECT_EQ(robot->knockback, 0);
}

TEST_F(FreamTest, ShieldAtZeroIsAliveAndBelowZeroShowsTheSpinningWreck) {
    robot->pos = {0, 0};
    robot->shield = 0;
    robot->Fire({100, 0});
    EXPECT_EQ(FlyingShots(), 1);
    robot->shield = -1;
    robot->moveTarget = {500, 0};
    robot->moving = 1;
    int32_t facing = robot->body->angleZ;
    robot->Tick(opponent);
    EXPECT_EQ(robot->body->data, &robot->wreckMesh);
    EXPECT_EQ(robot->body->angleZ, facing + 128);
    EXPECT_EQ(robot->pos, (GroundPoint{0, 0}));
    EXPECT_NEAR(robot->gun->slots[0].position.x, 20, 0.001);  // its shot flies on
    robot->Fire({100, 0});
    EXPECT_EQ(FlyingShots(), 1);
}

TEST_F(FreamTest, SpecialAttackChargesThenFiresBothWeaponsEveryThirdTick) {
    robot->pos = {0, 0};
    robot->specialOrder = kSpecialOrdered;
    std::vector<int32_t> firedAt;
    for (int tick = 0; tick < 40; ++tick) {
        int32_t timer = tick == 0 ? 40 : robot->specialTimer;
        robot->Tick(opponent);
        if (timer >= 20) {
            EXPECT_EQ(robot->effect->data, &robot->powerMesh) << timer;
        }
        if (GunFiredThisTick()) firedAt.push_back(timer);
    }
    // Five gun slots: the sixth volley finds none free.
    EXPECT_EQ(firedAt, (std::vector<int32_t>{18, 15, 12, 9, 6}));
    EXPECT_EQ(robot->specialTimer, 0);
    EXPECT_EQ(robot->effect->data, nullptr);
    EXPECT_EQ(sounds.played.front(), "SPAshot.wav");
    EXPECT_EQ(robot->body->angleZ, HeadingTo({0, 0}, opponent));
}

TEST_F(FreamTest, SpecialAttackMakesTheRobotImmune) {
    TFream shooter(scene, sounds);
    shooter.pos = {0, 0};
    robot->pos = {30, 0};
    robot->specialOrder = kSpecialOrdered;
    robot->Tick({0, 0});
    shooter.Fire({100, 0});
    shooter.gun->slots[0].position = {25, 0};
    EXPECT_EQ(TFream::CheckHits(shooter, *robot), kNoSlot);
    EXPECT_EQ(shooter.gun->slots[0].state, -10);  // the shot still explodes
    EXPECT_EQ(robot->shield, 100);
    EXPECT_EQ(robot->knockback, 0);
}

TEST_F(FreamTest, FireStyleTurboStopsAtItsTargetFacesTheOpponentAndFires) {
    robot->pos = {0, 0};
    robot->moveTarget = {10, 0};  // already within 20 units
    robot->attackOrder = kTurboOrdered;
    std::vector<int32_t> firedAt;
    for (int tick = 0; tick < 50; ++tick) {
        int32_t timer = tick == 0 ? 50 : robot->attackTimer;
        robot->Tick(opponent);
        if (GunFiredThisTick()) firedAt.push_back(timer);
        EXPECT_EQ(robot->pos, (GroundPoint{0, 0}));
    }
    // Every third tick while a gun slot is free: five slots, each free again 40 ticks after its
    // shot.
    EXPECT_EQ(firedAt, (std::vector<int32_t>{48, 45, 42, 39, 36, 6, 3}));
    EXPECT_EQ(robot->attackTimer, 0);
    EXPECT_EQ(robot->effect->data, nullptr);
    EXPECT_EQ(robot->body->angleZ, HeadingTo({0, 0}, opponent));
}

TEST_F(FreamTest, FireStyleTurboDashesAtFourTimesSpeed) {
    robot->pos = {0, 0};
    robot->moveTarget = {600, 0};
    robot->attackOrder = kTurboOrdered;
    robot->Tick(opponent);
    EXPECT_NEAR(robot->pos.x, 4 * robot->speed + 5, 0.001);
    EXPECT_EQ(robot->attackTarget, (GroundPoint{600, 0}));
}

TEST_F(FreamTest, RoboStyleTurboBanksEngagesWithinRangeAndEndsOnArrival) {
    UseStyle(kRoboSmall);
    robot->pos = {0, 0};
    robot->moveTarget = {300, 0};
    robot->attackOrder = kTurboOrdered;
    robot->Tick({0, 400});
    EXPECT_NEAR(robot->pos.x, 2 * robot->speed + 5, 0.001);
    EXPECT_EQ(robot->body->angleY, 450);  // straight ahead: full forward lean, 1.5 x pitch
    EXPECT_EQ(robot->body->angleX, 0);
    int ticks = 1;
    while (robot->attackTimer != 0 && ticks < 50) {
        robot->Tick({0, 400});
        ++ticks;
    }
    EXPECT_LT(ticks, 50);  // ended on arrival, not by running out
    EXPECT_LT(Distance(robot->pos, {300, 0}), 20);
    EXPECT_GT(FlyingShots(), 0);  // it turned on the opponent and fired within 180 units
}

TEST_F(FreamTest, MoveOrderEndsATurboAttackAtOnce) {
    robot->pos = {0, 0};
    robot->moveTarget = {600, 0};
    robot->attackOrder = kTurboOrdered;
    robot->Tick(opponent);
    robot->Tick(opponent);
    EXPECT_NE(robot->effect->data, nullptr);  // the afterimage
    robot->moving = 1;
    robot->Tick(opponent);
    EXPECT_EQ(robot->attackTimer, 0);
    EXPECT_EQ(robot->effect->data, nullptr);
}

TEST_F(FreamTest, ResetKeepsPlaceFacingWeaponChoiceAndMeshes) {
    robot->pos = {12, 34};
    robot->heading = 777;
    robot->weaponSelect = 1;
    robot->shield = 3;
    robot->Tick(opponent);
    ObjectData *body = robot->body->data;
    DefinitionRecord record = robot->record;
    record.gunKind = 1004;
    robot->Reset(&record, false);
    EXPECT_EQ(robot->pos, (GroundPoint{12, 34}));
    EXPECT_EQ(robot->weaponSelect, 1);
    EXPECT_EQ(robot->shield, 100);
    EXPECT_EQ(robot->gun->Kind(), 1004);
    EXPECT_EQ(robot->speed, 10 - 2 - 3);
    EXPECT_EQ(robot->body->data, body);
}

TEST_F(FreamTest, ARecordWithFieldsOutsideTheGamesTablesIsRefusedWhole) {
    const std::function<void(DefinitionRecord &)> damages[] = {
        [](DefinitionRecord &r) { r.gunKind = 1000; },
        [](DefinitionRecord &r) { r.gunKind = 1009; },
        [](DefinitionRecord &r) { r.missileKind = -1; },
        [](DefinitionRecord &r) { r.missileKind = 99999; },
        [](DefinitionRecord &r) { r.pitch = 200; },
        [](DefinitionRecord &r) { std::memset(r.name, 'A', sizeof r.name); },
    };
    robot->Reset(nullptr, false);
    DefinitionBytes before = EncodeDefinitionRecord(robot->record);
    for (const auto &damage : damages) {
        DefinitionRecord record = robot->record;
        record.gunKind = 1004;  // so a refused record shows by the gun it did not get
        damage(record);
        EXPECT_EQ(robot->Reset(&record, true), 0);
        EXPECT_EQ(EncodeDefinitionRecord(robot->record), before);
        EXPECT_EQ(robot->gun->Kind(), 1001);
    }
}

TEST_F(FreamTest, ReloadingByNameReadsTheNamedModel) {
    DefinitionRecord record = robot->record;
    SetName(record, "Dang");
    robot->Reset(&record, true);
    ObjectData dang{};
    ASSERT_TRUE(LoadModel(dang, "Dang"));
    EXPECT_EQ(robot->bodyMesh.plnNum, dang.plnNum);
    FreeObjectData(&dang);
    SetName(record, "NoSuchRobot");
    robot->Reset(&record, true);
    EXPECT_EQ(robot->bodyMesh.plnNum, 0);  // nothing to draw, and safe to free
    EXPECT_EQ(robot->bodyMesh.pnt, nullptr);
}

TEST_F(FreamTest, HidingTheRobotHidesEveryInstanceAndHandsThemBack) {
    robot->SetVisible(false);
    for (int slot = 1; slot <= 32; ++slot) EXPECT_EQ(scene[slot].show, 0) << slot;
    EXPECT_EQ(ClaimInstance(scene), &scene[1]);
}

TEST_F(FreamTest, AFullSceneIsASetUpErrorNotACrash) {
    while (ClaimInstance(scene) != nullptr) {
    }
    for (int slot = 100; slot < 120; ++slot) scene[slot].show = 0;  // room for 20, a robot needs 32
    EXPECT_THROW(TFream(scene, sounds), SetupError);
}

}  // namespace
