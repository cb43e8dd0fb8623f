// Lockstep: the same orders give the same fight. A scripted fight of thousands of ticks, with
// every weapon kind, both turbo styles, special attacks, hits and the random meteorites, run twice
// must leave identical robots and scenes, byte for byte, at every tick.
#include <cstring>
#include <set>

#include "battle/collision.h"
#include "battle/fream.h"
#include "battle/random.h"
#include "battle/stage.h"
#include "battle_fixture.h"
#include "fight_recorder.h"

using namespace battle;

namespace {

int32_t KindFor(int tick, int shift) {
    return kFirstKind + (tick / 250 + shift) % 8;
}

// One side's scripted orders: wander, shoot, switch weapons, turbo and special attacks.
void GiveOrders(TFream &robot, const TFream &opponent, int tick, int phase) {
    int t = tick + phase;
    robot.moving = (t / 35) % 3 != 0;
    robot.moveTarget = MoveAlong(opponent.pos, (t * 37) % 4096, 150.0f + (t % 90));
    if (t % 6 == 0) robot.fireNow = 1;
    if (t % 50 == 0) robot.weaponSelect = 1 - robot.weaponSelect;
    if (t % 211 == 0) robot.attackOrder = kTurboOrdered;
    if (t % 397 == 0) robot.specialOrder = kSpecialOrdered;
}

void ChangeKinds(TFream &robot, int tick, int shift) {
    DefinitionRecord record = robot.record;
    record.gunKind = KindFor(tick, shift);
    record.missileKind = KindFor(tick, shift + 3);
    record.pitch = (tick / 250 + shift) % 2 == 0 ? kFireLarge : kRoboMedium;
    robot.Reset(&record, false);  // also revives a destroyed robot
}

struct FightResult {
    std::vector<uint8_t> bytes;
    std::set<std::pair<int, int32_t>> kindsSeenFlying;
    int hits = 0;
};

FightResult ScriptedFight(Scene &scene, platform::SoundEffects &sounds, int ticks) {
    SeedRandom(1);
    InitialiseScene(scene);
    TSubFrm stage;
    TFream player(scene, sounds), enemy(scene, sounds);
    TzColor background;
    stage.LoadStage(1, &background, scene);
    player.pos = {-300, 0};
    enemy.pos = {300, 0};
    FightResult result;
    Recorder out;
    for (int tick = 0; tick < ticks; ++tick) {
        if (tick % 250 == 0) {
            ChangeKinds(player, tick, 0);
            ChangeKinds(enemy, tick, 5);
        }
        GiveOrders(player, enemy, tick, 0);
        GiveOrders(enemy, player, tick, 101);
        stage.DirectCamera(scene[kCameraSlot], kDemoCamera, Vector3{player.pos.x, player.pos.y, 0},
                           Vector3{enemy.pos.x, enemy.pos.y, 0}, tick % 400);
        stage.StepStage(scene, 1, player.pos, enemy.pos);
        CollideProjectiles(*player.gun, *enemy.missile);
        CollideProjectiles(*enemy.gun, *player.missile);
        result.hits += TFream::CheckHits(player, enemy) != kNoSlot;
        result.hits += TFream::CheckHits(enemy, player) != kNoSlot;
        player.Tick(enemy.pos);
        enemy.Tick(player.pos);
        for (const TFream *robot : {&player, &enemy}) {
            for (const ProjectileSlot &slot : robot->gun->slots) {
                if (slot.state > 0) result.kindsSeenFlying.insert({0, robot->gun->Kind()});
            }
            for (const ProjectileSlot &slot : robot->missile->slots) {
                if (slot.state > 0) result.kindsSeenFlying.insert({1, robot->missile->Kind()});
            }
        }
        PutRobot(out, player);
        PutRobot(out, enemy);
        for (const ObjectStruct &slot : scene) PutSlot(out, slot);
    }
    result.bytes = std::move(out.data);
    return result;
}

class DeterminismTest : public BattleTest {};

TEST_F(DeterminismTest, SameOrdersGiveTheSameFight) {
    constexpr int kTicks = 4000;
    FightResult first = ScriptedFight(scene, sounds, kTicks);
    FightResult second = ScriptedFight(scene, sounds, kTicks);
    ASSERT_EQ(first.bytes.size(), second.bytes.size());
    size_t perTick = first.bytes.size() / kTicks;
    auto [differs, _] = std::mismatch(first.bytes.begin(), first.bytes.end(), second.bytes.begin());
    EXPECT_TRUE(differs == first.bytes.end())
        << "first difference at tick " << (differs - first.bytes.begin()) / perTick;
    // The script must really exercise the fight it claims to check.
    EXPECT_EQ(first.kindsSeenFlying.size(), 16u);
    EXPECT_GT(first.hits, 20);
}

}  // namespace
