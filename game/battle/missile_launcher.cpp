// Missile volleys, steering and flight by kind, and the smoke trail.
#include "missile_launcher.h"

#include <cstdlib>

#include "model_library.h"

namespace battle {
namespace {

constexpr int32_t kSpreadOffsets[3] = {0, -1024, 1024};
constexpr int32_t kFanOffsets[5] = {0, -64, 64, -128, 128};
constexpr int32_t kTurnStep = 52;
// Straight-flying missiles lock on only when the target is this close to straight ahead.
constexpr int32_t kLockOnAngle = 130;
constexpr int32_t kPuffTicks = 6;

struct SmokeTags {
    const char *tags[3];
};

SmokeTags SmokeOf(int32_t kind) {
    switch (kind) {
        case 1003:
            return {{"Lazer_smok3", "Lazer_smok2", "Lazer_smok1"}};
        case 1006:
            return {{"Crush1", "Crush2", "Crush3"}};
        case 1007:
            return {{"Balier", "Balier", "Balier"}};
        case 1008:
            return {{"Star_Miss3", "Star_Miss2", "Star_Miss1"}};
        default:
            return {{"smok3", "smok2", "smok1"}};
    }
}

bool FiresAVolley(int32_t kind) {
    return kind == 1002 || kind == 1004 || kind == 1006 || kind == 1008;
}

float SpeedOf(int32_t kind, int32_t state) {
    switch (kind) {
        case 1001:
        case 1006:
            return 16.0f;
        case 1002:
            return 11.0f;
        case 1003:
        case 1008:
            return 24.0f;
        case 1004:
            return state <= 10 ? 10.0f : 24.0f;
        case 1005:
            return 9.0f;
        default:
            return 0.0f;
    }
}

int32_t Folded(int32_t difference) {
    return difference > 2048 ? 4096 - difference : difference;
}

// Turning missiles swing 52 units a tick towards the target, the short way round.
int32_t TurnTowards(int32_t heading, int32_t target) {
    int32_t difference = std::abs(heading - target);
    if (difference < kTurnStep) return target;
    if (heading > target && difference > 2048) heading += kTurnStep;
    if (heading < target && difference < 2048) heading += kTurnStep;
    if (heading < target && difference > 2048) heading -= kTurnStep;
    if (heading > target && difference < 2048) heading -= kTurnStep;
    if (heading > 2048) heading -= 4096;
    if (heading < -2048) heading += 4096;
    return heading;
}

}  // namespace

TWepnMiss::TWepnMiss(Scene &scene) : TWeapon(scene, WeaponClass::Missile) {
    SmokeTags smoke = SmokeOf(1001);
    for (int i = 0; i < 3; ++i) LoadModel(smokeMeshes_[i], smoke.tags[i]);
    for (SmokePuff &puff : puffs) {
        puff.instance = ClaimOrFail(scene, "a smoke puff");
        puff.instance->data = nullptr;
    }
}

TWepnMiss::~TWepnMiss() {
    SetVisible(false);
    for (ObjectData &mesh : smokeMeshes_) FreeObjectData(&mesh);
}

void TWepnMiss::SetKind(int32_t kind, bool reloadMesh) {
    TWeapon::SetKind(kind, reloadMesh);
    SmokeTags smoke = SmokeOf(kind);
    for (int i = 0; i < 3; ++i) LoadModel(smokeMeshes_[i], smoke.tags[i]);
    for (SmokePuff &puff : puffs) {
        puff.counter = 0;
        puff.instance->data = nullptr;
    }
}

void TWepnMiss::SetVisible(bool visible) {
    TWeapon::SetVisible(visible);
    for (SmokePuff &puff : puffs) puff.instance->show = visible ? 1 : 0;
}

bool TWepnMiss::Fire(GroundPoint from, GroundPoint target) {
    int32_t aim = HeadingTo(from, target);
    if (aim == kNoHeading) return false;
    bool fired = false;
    int32_t volley = kind_ == 1004 || kind_ == 1008 ? 1 : 0;
    for (int32_t i = 0; i < row_.count && volley < 5; ++i) {
        if (volley > 2 && kind_ != 1006) break;
        ProjectileSlot &slot = slots[i];
        if (slot.state != 0 || slot.cooldown != 0) continue;
        int32_t heading = kind_ == 1006   ? aim + kFanOffsets[volley]
                          : kind_ == 1008 ? aim + kSpreadOffsets[volley] / 2
                                          : aim + kSpreadOffsets[volley];
        Launch(slot, from, heading);
        if (kind_ == 1004) slot.instance->angleZ = aim;  // faces the aim while it flies sideways
        fired = true;
        if (!FiresAVolley(kind_)) break;
        ++volley;
    }
    return fired;
}

void TWepnMiss::Steer(ProjectileSlot &slot, GroundPoint target) {
    int32_t toTarget = HeadingTo(slot.position, target);
    int32_t difference = std::abs(slot.heading - toTarget);
    switch (kind_) {
        case 1002:
        case 1003:
        case 1008:
            slot.heading = TurnTowards(slot.heading, toTarget);
            break;
        case 1004:
            if (slot.state > 10 && Folded(difference) < kLockOnAngle) slot.heading = toTarget;
            if (slot.state == 10) slot.heading = slot.instance->angleZ;
            break;
        case 1001:
        case 1005:
            if (Folded(difference) < kLockOnAngle) slot.heading = toTarget;
            break;
        default:
            break;  // fans and barriers keep their line
    }
}

void TWepnMiss::Fly(ProjectileSlot &slot) {
    ObjectStruct &instance = *slot.instance;
    switch (kind_) {
        case 1005:  // a bomb tumbling along
        case 1007:  // a barrier spinning where it was launched
            instance.angleZ = 300 * slot.state;
            break;
        case 1006:
            break;
        case 1004:  // sideways at first, then along its course
            if (slot.state > 10) instance.angleZ = slot.heading;
            break;
        default:
            instance.angleZ = slot.heading;
            break;
    }
    float speed = SpeedOf(kind_, slot.state);
    if (speed != 0.0f) slot.position = MoveAlong(slot.position, slot.heading, speed);
}

bool TWepnMiss::MakesSmoke(const ProjectileSlot &slot) const {
    if (slot.state % 2 != 0 || kind_ == 1005 || kind_ == 1007) return false;
    return !(kind_ == 1004 && slot.state < 10);
}

void TWepnMiss::Step(GroundPoint target) {
    for (int32_t i = 0; i < row_.count; ++i) {
        ProjectileSlot &slot = slots[i];
        if (slot.cooldown > 0) --slot.cooldown;
        if (slot.state > 0) {
            if (!IsFree(slot.position)) slot.state = -10;  // still smokes, steers and moves
            if (MakesSmoke(slot)) EmitPuff(slot.position, slot.heading);
            Steer(slot, target);
            Fly(slot);
            slot.instance->angleX += row_.spin;
            slot.instance->x = slot.position.x;
            slot.instance->y = slot.position.y;
            if (slot.state == row_.life) slot.state = 0;
        }
        if (slot.state < 0) ShowExplosion(slot);
        if (slot.state != 0) ++slot.state;
        if (slot.state == 0) slot.instance->data = nullptr;
    }
    AdvanceSmoke();
}

void TWepnMiss::EmitPuff(GroundPoint at, int32_t heading) {
    for (int32_t i = 0; i < 3 * row_.count; ++i) {
        SmokePuff &puff = puffs[i];
        if (puff.counter != 0) continue;
        puff.position = at;
        puff.counter = kPuffTicks;
        SetObjectStruct(puff.instance, 1, 1, at.x, at.y, 0, heading, 0, 0, &smokeMeshes_[2]);
        return;
    }
}

void TWepnMiss::AdvanceSmoke() {
    for (SmokePuff &puff : puffs) {
        if (puff.counter == 0) continue;
        puff.instance->data = &smokeMeshes_[(puff.counter - 1) / 2];
        if (--puff.counter == 0) puff.instance->data = nullptr;
    }
}

}  // namespace battle
