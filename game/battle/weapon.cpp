// The weapon's shared work: slots, meshes, hit tests, explosions and visibility.
#include "weapon.h"

#include <string>

#include "model_library.h"

namespace battle {
namespace {

constexpr const char *kExplosionTags[3] = {"Crush1", "Crush2", "Crush3"};

const char *FirstMeshTag(WeaponClass weaponClass) {
    return weaponClass == WeaponClass::Gun ? "Std_Gun" : "Std_Miss";
}

}  // namespace

ObjectStruct *ClaimOrFail(Scene &scene, const char *purpose) {
    ObjectStruct *instance = ClaimInstance(scene);
    if (instance == nullptr) {
        throw SetupError(std::string("the scene has no free instance left for ") + purpose);
    }
    return instance;
}

TWeapon::TWeapon(Scene &scene, WeaponClass weaponClass)
    : weaponClass_(weaponClass), obstacles_(ObstacleInstances(scene)) {
    for (ProjectileSlot &slot : slots) slot.instance = ClaimOrFail(scene, "a projectile");
    LoadModel(projectileMesh_, FirstMeshTag(weaponClass));
    for (int i = 0; i < 3; ++i) LoadModel(explosionMeshes_[i], kExplosionTags[i]);
}

TWeapon::~TWeapon() {
    FreeObjectData(&projectileMesh_);
    for (ObjectData &mesh : explosionMeshes_) FreeObjectData(&mesh);
}

void TWeapon::SetKind(int32_t kind, bool reloadMesh) {
    row_ = KindOf(weaponClass_, kind);
    kind_ = kind;
    for (ProjectileSlot &slot : slots) {
        slot.state = 0;
        slot.cooldown = 0;
        slot.instance->data = nullptr;
    }
    if (reloadMesh) LoadModel(projectileMesh_, row_.meshTag);
}

int32_t TWeapon::HitTest(GroundPoint point, int32_t radius, int32_t excluded) {
    for (int32_t i = 0; i < row_.count; ++i) {
        ProjectileSlot &slot = slots[i];
        if (slot.state <= 0 || i == excluded) continue;
        if (Distance(point, slot.position) < static_cast<float>(radius)) {
            if (radius == kDetonatingRadius) slot.state = -10;
            return i;
        }
    }
    return kNoSlot;
}

bool TWeapon::IsFree(GroundPoint point) const {
    return !IsBlocked(obstacles_, point);
}

void TWeapon::SetVisible(bool visible) {
    for (ProjectileSlot &slot : slots) slot.instance->show = visible ? 1 : 0;
}

void TWeapon::ShowExplosion(ProjectileSlot &slot) {
    slot.instance->data = &explosionMeshes_[slot.state / -4];
    slot.instance->angleZ = -128 * slot.state;
}

void TWeapon::Launch(ProjectileSlot &slot, GroundPoint from, int32_t heading) {
    slot.position = from;
    slot.heading = heading;
    slot.state = 1;
    slot.cooldown = row_.life;
    SetObjectStruct(slot.instance, 1, 1, from.x, from.y, 0, heading, 0, 0, &projectileMesh_);
}

}  // namespace battle
