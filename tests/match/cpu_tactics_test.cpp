// The computer opponent's decisions: the orders that come out of a known random sequence and
// exactly how many numbers each decision draws, at every level.
#include <cstdlib>

#include "battle/random.h"
#include "cpu_tactics_fixture.h"
#include "match/game_states.h"

using namespace battle;
using match::ClientPoint;

namespace {

TEST_F(CpuTacticsTest, WhenReadyOrDestroyedOnlyShotsAndMissilesCollide) {
    struct Case {
        int32_t gameState, shield;
    };
    for (Case c : {Case{match::kReady, 100}, Case{match::kFight, -1}}) {
        SCOPED_TRACE(c.gameState);
        ResetSelf();
        self->shield = c.shield;
        situation.gameState = c.gameState;
        ProjectileSlot &shot = Fly(*self->gun, {50, 50}, 0);
        ProjectileSlot &missile = Fly(*opponent->missile, {55, 50}, 0);
        ProjectileSlot &incoming = Fly(*opponent->gun, {5, 0}, 0);
        Run(1234, 8);
        EXPECT_EQ(shot.state, -10);
        EXPECT_EQ(missile.state, -10);
        EXPECT_EQ(incoming.state, 1);
        EXPECT_EQ(self->shield, c.shield);
        ExpectNoOrders();
        ExpectDrawsMade(1234, 0);
    }
}

TEST_F(CpuTacticsTest, CloseRangeShotComesOneTimeIn200Minus20TimesTheLevel) {
    for (int32_t level = 1; level <= 8; ++level) {
        SCOPED_TRACE(level);
        int32_t chance = 200 - 20 * level;
        uint32_t seed = 0;
        for (int trial = 0; trial < 3; ++trial) {
            ResetSelf();
            seed = RunWith({kNoWander, Equal(chance, 0), MissileDraw(level, false)}, level, seed);
            ExpectGunShotAt(opponent->pos);
            ExpectDrawsMade(seed, 3);
        }
        // A miss by one leaves levels 1..6 their second chance, drawn, and levels 7, 8 nothing.
        std::vector<WantedDraw> missed{kNoWander, Equal(chance, 1)};
        if (!LeadsTargets(level)) missed.push_back(AtLeast(110 - 10 * level, 1));
        missed.push_back(MissileDraw(level, false));
        ResetSelf();
        seed = RunWith(missed, level);
        ExpectNoOrders();
        ExpectDrawsMade(seed, int(missed.size()));
    }
}

TEST_F(CpuTacticsTest, LevelsOneToSixHaveASecondChanceAtAnyRange) {
    struct Case {
        float distance;
        bool closeDraw, longDraw;
    };
    for (Case c : {Case{100, true, false}, Case{200, false, false}, Case{500, false, true}}) {
        PlaceOpponent(c.distance);
        for (int32_t level = 1; level <= 6; ++level) {
            SCOPED_TRACE(testing::Message() << c.distance << " at level " << level);
            std::vector<WantedDraw> draws{kNoWander};
            if (c.closeDraw) draws.push_back(AtLeast(200 - 20 * level, 1));
            if (c.longDraw) draws.push_back(AnyOf(30));
            draws.push_back(Equal(110 - 10 * level, 0));
            draws.push_back(MissileDraw(level, false));
            ResetSelf();
            uint32_t seed = RunWith(draws, level);
            ExpectGunShotAt(opponent->pos);
            ExpectDrawsMade(seed, int(draws.size()));
        }
    }
}

TEST_F(CpuTacticsTest, AtExactly200LevelsSevenAndEightDrawNoShot) {
    PlaceOpponent(200);
    for (int32_t level : {7, 8}) {
        ResetSelf();
        uint32_t seed = RunWith({kNoWander, MissileDraw(level, false)}, level);
        ExpectNoOrders();
        ExpectDrawsMade(seed, 2);
    }
}

TEST_F(CpuTacticsTest, LevelsSevenAndEightAimWhereTheOpponentWillBe) {
    PlaceOpponent(600, 700);
    GroundPoint ahead = MoveAlong(opponent->pos, 700, 600.0f / 3);
    for (int32_t level = 1; level <= 8; ++level) {
        SCOPED_TRACE(level);
        std::vector<WantedDraw> draws{kNoWander, Equal(30, 0)};
        if (!LeadsTargets(level)) draws.push_back(AtLeast(110 - 10 * level, 1));
        draws.push_back(MissileDraw(level, false));
        ResetSelf();
        uint32_t seed = RunWith(draws, level);
        if (LeadsTargets(level)) {
            ExpectGunShotAt(ahead);
        } else {
            ExpectNoOrders();
        }
        ExpectDrawsMade(seed, int(draws.size()));
    }
}

TEST_F(CpuTacticsTest, AtLongRangeLevelsSevenAndEightOnlyEverLead) {
    PlaceOpponent(500, 700);
    GroundPoint ahead = MoveAlong(opponent->pos, 700, 500.0f / 3);
    for (int32_t level = 1; level <= 8; ++level) {
        SCOPED_TRACE(level);
        int straight = 0, led = 0;
        for (uint32_t seed = 1; seed <= 3000; ++seed) {
            ResetSelf();
            self->attackTimer = 1;  // holds the missiles back, which would retarget the robot
            Run(seed, level);
            if (self->fireNow == 0) continue;
            if (self->moveTarget == opponent->pos) {
                ++straight;
            } else if (self->moveTarget == ahead) {
                ++led;
            } else {
                ADD_FAILURE() << "shot at an unexpected point";
            }
        }
        if (LeadsTargets(level)) {
            EXPECT_EQ(straight, 0);
            EXPECT_GT(led, 50);
        } else {
            EXPECT_GT(straight, 10);
            EXPECT_EQ(led, 0);
        }
    }
}

TEST_F(CpuTacticsTest, OnArrivalTheRobotStopsAndLevelsFiveToSevenShoot) {
    for (int32_t level = 1; level <= 8; ++level) {
        SCOPED_TRACE(level);
        ResetSelf();
        self->moveTarget = {19.9f, 0};
        uint32_t seed = RunWith({kNoWander, MissileDraw(level, false)}, level);
        EXPECT_EQ(self->moving, 0);
        if (level >= 5 && level <= 7) {
            ExpectGunShotAt(opponent->pos);
        } else {
            EXPECT_EQ(self->fireNow, 0);
            EXPECT_EQ(self->moveTarget, (GroundPoint{19.9f, 0}));
        }
        ExpectDrawsMade(seed, 2);
    }
}

TEST_F(CpuTacticsTest, MissilesComeWithTheLevelsChanceOnlyWhileNoTurboAttackRuns) {
    for (int32_t level = 1; level <= 8; ++level) {
        SCOPED_TRACE(level);
        std::vector<WantedDraw> launches{kNoWander, MissileDraw(level, true)};
        // Just outside the chance: one more than the last launching value.
        bool oneIn = level == 2 || level == 4 || LeadsTargets(level);
        std::vector<WantedDraw> holds{kNoWander,
                                      oneIn ? Equal(70 - 3 * level, 1) : Equal(70, level)};
        ResetSelf();
        self->moveTarget = kStart;
        uint32_t seed = RunWith(launches, level);
        EXPECT_EQ(self->moving, 0);
        EXPECT_EQ(self->moveTarget, opponent->pos);
        EXPECT_EQ(self->weaponSelect, 1);
        EXPECT_EQ(self->fireNow, 1);
        ExpectDrawsMade(seed, 2);

        // The draw is made even while a turbo attack holds the missile back.
        ResetSelf();
        self->moveTarget = kStart;
        self->attackTimer = 10;
        seed = RunWith(launches, level);
        EXPECT_NE(self->weaponSelect, 1);
        ExpectDrawsMade(seed, 2);

        ResetSelf();
        self->moveTarget = kStart;
        seed = RunWith(holds, level);
        EXPECT_NE(self->weaponSelect, 1);
        ExpectDrawsMade(seed, 2);
    }
}

TEST_F(CpuTacticsTest, AWanderHeadsForTheGroundUnderARandomClientPoint) {
    struct Case {
        int32_t width, height;
    };
    for (Case c : {Case{640, 480}, Case{0, 480}, Case{640, 0}, Case{0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        situation.clientWidth = c.width;
        situation.clientHeight = c.height;
        std::vector<WantedDraw> draws{Equal(30, 0)};
        if (c.width != 0) draws.push_back(AnyOf(c.width));
        if (c.height != 0) draws.push_back(AnyOf(c.height));
        draws.insert(draws.end(), {AtLeast(40, 1), MissileDraw(8, false)});
        ResetSelf();
        uint32_t seed = RunWith(draws, 8);

        ReplicaRandom replica(seed);
        replica.Next();
        ClientPoint expected;
        if (c.width != 0) expected.x = replica.Next() % c.width;
        if (c.height != 0) expected.y = replica.Next() % c.height;
        ASSERT_EQ(picked.size(), 1u);
        EXPECT_EQ(picked[0].x, expected.x);
        EXPECT_EQ(picked[0].y, expected.y);
        EXPECT_EQ(self->moving, 1);
        EXPECT_EQ(self->moveTarget, kWanderTarget);
        EXPECT_EQ(self->attackOrder, 0);
        ExpectDrawsMade(seed, int(draws.size()));
    }
}

TEST_F(CpuTacticsTest, AFarWanderTowardsTheOpponentMayBecomeATurboAttack) {
    struct Case {
        GroundPoint target;
        bool considered;
    };
    // (600, 10) lies just across the heading wrap from the opponent at (100, 0).
    const Case cases[] = {
        {{600, 0}, true}, {{600, 10}, true}, {{-600, 0}, false}, {{250, 0}, false}};
    ASSERT_GT(std::abs(HeadingTo(kStart, {100, 0}) - HeadingTo(kStart, {600, 10})), 3000);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.target.x << ", " << c.target.y);
        wanderTarget = c.target;
        std::vector<WantedDraw> start{Equal(30, 0), AnyOf(640), AnyOf(480)};
        std::vector<WantedDraw> rest{AtLeast(80, 1), AtLeast(50, 1), MissileDraw(6, false)};
        if (!c.considered) {
            std::vector<WantedDraw> draws = start;
            draws.insert(draws.end(), rest.begin(), rest.end());
            ResetSelf();
            uint32_t seed = RunWith(draws, 6);
            EXPECT_EQ(self->attackOrder, 0);
            EXPECT_EQ(self->moving, 1);
            ExpectDrawsMade(seed, int(draws.size()));
            continue;
        }
        for (bool turbo : {true, false}) {
            std::vector<WantedDraw> draws = start;
            draws.push_back(turbo ? Equal(16, 5) : Equal(16, 6));
            draws.insert(draws.end(), rest.begin(), rest.end());
            ResetSelf();
            uint32_t seed = RunWith(draws, 6);
            EXPECT_EQ(self->attackOrder, turbo ? kTurboOrdered : 0);
            EXPECT_EQ(self->moving, turbo ? 0 : 1);
            EXPECT_EQ(self->moveTarget, c.target);
            ExpectDrawsMade(seed, int(draws.size()));
        }
    }
}

}  // namespace
