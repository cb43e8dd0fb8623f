// Weapon and effect models: projectiles, the laser's beam, explosions and smoke, in the order
// the library file holds them.
#include "model_catalogue.h"
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
    };
}

}  // namespace

std::vector<shapes::TaggedShape> WeaponModels() {
    return Projectiles();
}

}  // namespace models
