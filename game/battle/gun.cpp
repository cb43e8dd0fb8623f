// Gun volleys and shot flight, by kind.
#include "gun.h"

#include "model_library.h"

namespace battle {
namespace {

constexpr int32_t kVolleyOffsets[3] = {0, -300, 300};
constexpr const char *kBeamTags[3] = {"Lazer_Gun1", "Lazer_Gun2", "Lazer_Gun3"};
// Beams stand at the muzzle for this many ticks before the bolt flies.
constexpr int32_t kBeamTicks = 10;

bool FiresAFullVolley(int32_t kind) {
    return kind == 1003 || kind == 1005 || kind == 1008;
}

float SpeedOf(int32_t kind) {
    switch (kind) {
        case 1002:
        case 1008:
            return 30.0f;
        case 1004:
        case 1005:
            return 25.0f;
        default:
            return 20.0f;
    }
}

}  // namespace

TWepnGun::TWepnGun(Scene &scene) : TWeapon(scene, WeaponClass::Gun) {}

TWepnGun::~TWepnGun() {
    SetVisible(false);
    for (ObjectData &mesh : beamMeshes_) FreeObjectData(&mesh);
}

bool TWepnGun::HasBeams() const {
    return kind_ == 1002 || kind_ == 1008;
}

void TWepnGun::SetKind(int32_t kind, bool reloadMesh) {
    TWeapon::SetKind(kind, reloadMesh);
    for (ObjectData &mesh : beamMeshes_) FreeObjectData(&mesh);
    if (!HasBeams()) return;
    for (int i = 0; i < 3; ++i) LoadModel(beamMeshes_[i], kBeamTags[i]);
}

bool TWepnGun::Fire(GroundPoint from, GroundPoint target) {
    int32_t aim = HeadingTo(from, target);
    if (aim == kNoHeading) return false;
    bool fired = false;
    int32_t volley = kind_ == 1005 ? 1 : 0;
    for (int32_t i = 0; i < row_.count && volley <= 2; ++i) {
        ProjectileSlot &slot = slots[i];
        if (slot.state != 0 || slot.cooldown != 0) continue;
        int32_t offset = kVolleyOffsets[volley];
        if (kind_ == 1005) {
            Launch(slot, MoveAlong(from, aim + 3 * offset, 12.0f), aim);  // side by side
        } else if (kind_ == 1008) {
            Launch(slot, MoveAlong(from, aim + 3 * offset, 25.0f), aim);
        } else {
            Launch(slot, from, aim + offset);  // fanned out
        }
        fired = true;
        if (!FiresAFullVolley(kind_)) break;
        ++volley;
    }
    return fired;
}

void TWepnGun::Fly(ProjectileSlot &slot) {
    ObjectStruct &instance = *slot.instance;
    if (HasBeams() && slot.state <= kBeamTicks) {
        // A shot that hit an obstacle at once explodes instead of showing its beam.
        if (slot.state > 0) instance.data = &beamMeshes_[slot.state / 4];
    } else {
        if (HasBeams()) instance.data = &projectileMesh_;
        slot.position = MoveAlong(slot.position, instance.angleZ, SpeedOf(kind_));
    }
    instance.angleX += row_.spin;
    instance.x = slot.position.x;
    instance.y = slot.position.y;
    if (slot.state == row_.life) slot.state = 0;
}

void TWepnGun::Step() {
    for (int32_t i = 0; i < row_.count; ++i) {
        ProjectileSlot &slot = slots[i];
        if (slot.cooldown > 0) --slot.cooldown;
        if (slot.state > 0) {
            if (!IsFree(slot.position)) slot.state = -10;  // still makes this tick's move
            Fly(slot);
        }
        if (slot.state < 0) ShowExplosion(slot);
        if (slot.state == 0) slot.instance->data = nullptr;
        if (slot.state != 0) ++slot.state;
    }
}

}  // namespace battle
