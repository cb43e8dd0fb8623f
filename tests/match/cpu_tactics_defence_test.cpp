// The computer opponent's defence: the opponent's hits on it (only while fighting and in the
// title demo), dodging gun shots and missiles, sidesteps and shooting missiles down.
#include "cpu_tactics_fixture.h"
#include "match/game_states.h"

using namespace battle;

namespace {

TEST_F(CpuTacticsTest, OnlyFightsAndTheTitleDemoDamageTheComputersRobot) {
    struct Case {
        int32_t gameState;
        bool defends;
    };
    for (Case c :
         {Case{match::kFight, true}, Case{match::kTitle, true}, Case{match::kRoundWon, false},
          Case{match::kRoundLost, false}, Case{match::kRoundDraw, false}}) {
        SCOPED_TRACE(c.gameState);
        situation.gameState = c.gameState;
        ResetSelf();
        ProjectileSlot &shot = Fly(*opponent->gun, {5, 0}, 0);
        // The hit starts a wander; without the defence the shot within reach is not even dodged.
        std::vector<WantedDraw> draws = QuietDraws(1);
        if (c.defends) draws = Then(draws, {AnyOf(640), AnyOf(480)});
        uint32_t seed = RunWith(draws, 1);
        if (c.defends) {
            EXPECT_EQ(self->shield, TFream::kFullShield - opponent->gun->Row().damage);
            EXPECT_LT(shot.state, 0);
            EXPECT_EQ(picked.size(), 1u);
            EXPECT_EQ(self->moveTarget, kWanderTarget);
        } else {
            EXPECT_EQ(self->shield, TFream::kFullShield);
            EXPECT_EQ(shot.state, 1);
            ExpectNoOrders();
        }
        ExpectDrawsMade(seed, int(draws.size()));
    }
}

TEST_F(CpuTacticsTest, AGunShotWithin40IsDodgedWithTheLevelsChance) {
    for (int32_t level = 1; level <= 8; ++level) {
        for (bool dodges : {true, false}) {
            SCOPED_TRACE(testing::Message() << "level " << level << (dodges ? " dodging" : ""));
            ResetSelf();
            self->fireNow = 1;
            Fly(*opponent->gun, {-20, 25}, 0);
            std::vector<WantedDraw> draws =
                Then(QuietDraws(level), {dodges ? Equal(16, level - 1) : Equal(16, level)});
            uint32_t seed = RunWith(draws, level);
            EXPECT_EQ(self->fireNow, dodges ? 0 : 1);
            EXPECT_EQ(self->moving, 1);
            // Levels 1..4 start running but keep their target; higher levels step aside.
            bool sidesteps = dodges && level > 4;
            EXPECT_EQ(self->moveTarget, sidesteps ? MoveAlong(kStart, 1024, 30) : kOnTheWay);
            ExpectDrawsMade(seed, int(draws.size()));
        }
    }
}

TEST_F(CpuTacticsTest, SidestepsGoToTheSideFartherFromTheShotAndRightOnATie) {
    struct Case {
        GroundPoint shot;
        int32_t sideHeading;
    };
    // The shot flies along heading 0; its two sidesteps lie at headings 1024 and -1024.
    const Case cases[] = {{{-20, 25}, 1024}, {{-20, -25}, -1024}, {{-30, 0}, -1024}};
    GroundPoint left = MoveAlong(kStart, 1024, 30), right = MoveAlong(kStart, -1024, 30);
    ASSERT_EQ(Distance(left, {-30, 0}), Distance(right, {-30, 0}));
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.shot.x << ", " << c.shot.y);
        ResetSelf();
        Fly(*opponent->gun, c.shot, 0);
        RunWith(Then(QuietDraws(8), {Below(16, 8)}), 8);
        EXPECT_EQ(self->moveTarget, MoveAlong(kStart, c.sideHeading, 30));
    }
}

TEST_F(CpuTacticsTest, MissilesWithin80AreDodgedAndShotDownLeadingAtLevelsSevenAndEight) {
    const GroundPoint missileAt{50, 40};
    const int32_t missileHeading = 300;
    for (int32_t level = 1; level <= 8; ++level) {
        GroundPoint shootDownPoint =
            LeadsTargets(level)
                ? MoveAlong(missileAt, missileHeading, Distance(kStart, missileAt) / 3)
                : missileAt;
        GroundPoint p1 = MoveAlong(kStart, missileHeading + 1020, 10);
        GroundPoint p2 = MoveAlong(kStart, missileHeading - 1020, 10);
        GroundPoint sidestep = Distance(p2, missileAt) >= Distance(p1, missileAt) ? p2 : p1;
        for (bool dodges : {true, false}) {
            for (bool shootsDown : {true, false}) {
                SCOPED_TRACE(testing::Message() << "level " << level << (dodges ? " dodging" : "")
                                                << (shootsDown ? " shooting down" : ""));
                ResetSelf();
                self->fireNow = 1;
                Fly(*opponent->missile, missileAt, missileHeading);
                std::vector<WantedDraw> draws =
                    Then(QuietDraws(level), {dodges ? Equal(9, level - 1) : AtLeast(9, level),
                                             shootsDown ? Equal(9, level - 1) : AtLeast(9, level)});
                uint32_t seed = RunWith(draws, level);
                if (shootsDown) {
                    EXPECT_EQ(self->moving, 0);
                    ExpectGunShotAt(shootDownPoint);
                } else if (dodges) {
                    EXPECT_EQ(self->moving, 1);
                    EXPECT_EQ(self->fireNow, 0);
                    EXPECT_EQ(self->moveTarget, sidestep);
                } else {
                    EXPECT_EQ(self->fireNow, 1);
                    EXPECT_EQ(self->moveTarget, kOnTheWay);
                }
                ExpectDrawsMade(seed, int(draws.size()));
            }
        }
    }
}

}  // namespace
