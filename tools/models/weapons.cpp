// Weapon and effect models: projectiles, the laser's beam, explosions and smoke, in the order
// the library file holds them.
#include "effect_beams.h"
#include "effect_explosions.h"
#include "effect_smoke.h"
#include "model_catalogue.h"
#include "weapon_bombs.h"
#include "weapon_missiles.h"
#include "weapon_shots.h"

namespace models {

namespace {

std::vector<shapes::TaggedShape> Projectiles() {
    return {
        {"Std_Gun", "gun round: yellow tracer", MakeTracerRound()},
        {"Lazer_Gun", "laser bolt: thin cyan streak", MakeLaserBolt()},
        {"Puls_Gun", "pulse shot: magenta energy ring", MakePulseShot()},
        {"Dlil_Gun", "drill shot: gold spiral bit, spins about x", MakeDrillShot()},
        {"Hart_Gun", "heart shot: red heart, spins about x", MakeHeartShot()},
        {"Std_Miss", "missile: steel body, red warhead", MakeStandardMissile()},
        {"Hom_Miss", "homing missile: blue, green seeker", MakeHomingMissile()},
        {"Lazer_Miss", "laser missile: white dart, cyan nose", MakeLaserMissile()},
        {"2W_Miss", "two-way missile: orange, side pods", MakeTwinMissile()},
        {"MoveBom", "rolling bomb: olive ball, finned tail", MakeTumblingBomb()},
        {"Balier", "barrier: glowing shield disc on a foot", MakeBarrier()},
        {"Star_Miss", "star missile: gold star section and tail", MakeStarMissile()},
    };
}

std::vector<shapes::TaggedShape> Effects() {
    return {
        {"Lazer_Gun1", "laser beam at the muzzle, first stage", MakeBeamStage(1)},
        {"Lazer_Gun2", "laser beam at the muzzle, second stage", MakeBeamStage(2)},
        {"Lazer_Gun3", "laser beam at the muzzle, full length", MakeBeamStage(3)},
        {"Crush1", "explosion, last: red embers and smoke", MakeExplosion(1)},
        {"Crush2", "explosion, middle: red and orange burst", MakeExplosion(2)},
        {"Crush3", "explosion, first: fire on wreckage", MakeExplosion(3)},
        {"smok1", "missile smoke, newest: grey puff", MakeSmokePuff(1)},
        {"smok2", "missile smoke, thinning", MakeSmokePuff(2)},
        {"smok3", "missile smoke, last wisp", MakeSmokePuff(3)},
        {"Lazer_smok1", "laser missile vapour, newest", MakeVapourPuff(1)},
        {"Lazer_smok2", "laser missile vapour, thinning", MakeVapourPuff(2)},
        {"Lazer_smok3", "laser missile vapour, last", MakeVapourPuff(3)},
        {"Star_Miss1", "star missile sparkle, newest", MakeSparkle(1)},
        {"Star_Miss2", "star missile sparkle, fading", MakeSparkle(2)},
        {"Star_Miss3", "star missile sparkle, last", MakeSparkle(3)},
    };
}

}  // namespace

std::vector<shapes::TaggedShape> WeaponModels() {
    std::vector<shapes::TaggedShape> models = Projectiles();
    std::vector<shapes::TaggedShape> effects = Effects();
    models.insert(models.end(), effects.begin(), effects.end());
    return models;
}

}  // namespace models
