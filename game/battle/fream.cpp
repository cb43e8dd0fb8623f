// The robot's tick: orders, special and turbo attacks, movement with banking, knockback, hits.
#include "fream.h"

#include <cmath>

#include "model_library.h"

namespace battle {
namespace {

// Move targets are kept within this distance of the arena's centre.
constexpr int32_t kArenaRadius = 1000;
// ROBO-style turbo attacks turn on the opponent this close to their target point.
constexpr float kRoboEngageDistance = 180.0f;
// Within this distance of its target a turbo attack has arrived.
constexpr float kArrivalDistance = 20.0f;
constexpr int32_t kKnockbackTicks = 10;
constexpr float kKnockbackStep = 12.0f;
constexpr int32_t kWreckSpin = 128;

bool IsRoboStyle(int32_t pitch) {
    return pitch > 200;
}

int32_t Truncated(float value) {
    return static_cast<int32_t>(value);
}

}  // namespace

TFream::TFream(Scene &scene, platform::SoundEffects &sounds)
    : record(NewDefinitionRecord()), obstacles(ObstacleInstances(scene)), sounds_(sounds) {
    // Everything that can fail comes before the meshes, so a failed set-up leaves nothing loaded.
    body = ClaimOrFail(scene, "a robot");
    effect = ClaimOrFail(scene, "a robot's effect");
    slotIndex = static_cast<int32_t>(body - scene.data());
    gun = std::make_unique<TWepnGun>(scene);
    missile = std::make_unique<TWepnMiss>(scene);
    LoadModel(bodyMesh, "My_Fream");
    LoadModel(wreckMesh, "Crush3");
    LoadModel(powerMesh, "Power");
    Reset(nullptr, false);
}

TFream::~TFream() {
    SetVisible(false);
    FreeObjectData(&bodyMesh);
    FreeObjectData(&wreckMesh);
    FreeObjectData(&powerMesh);
}

int32_t TFream::Reset(const DefinitionRecord *newRecord, bool reloadMesh) {
    if (newRecord != nullptr) {
        if (!IsPlayable(*newRecord)) return 0;
        record = *newRecord;
    }
    gun->SetKind(record.gunKind, reloadMesh);
    missile->SetKind(record.missileKind, reloadMesh);
    speed = 10 - gun->Row().weight - missile->Row().weight;
    moveTarget = GroundPoint{0, 0};
    shield = kFullShield;
    specialTimer = attackTimer = 0;
    fireNow = moving = 0;
    specialOrder = attackOrder = 0;
    knockback = 0;
    if (reloadMesh) LoadModel(bodyMesh, std::string(NameOf(record)));
    body->data = &bodyMesh;
    effect->data = nullptr;
    return 1;
}

void TFream::PlaySound(const char *fileName) {
    if (soundOn == 1) sounds_.Play(fileName);
}

void TFream::Tick(GroundPoint opponent) {
    KeepTargetInArena();
    KnockbackStep();
    if (IsDestroyed()) {
        body->data = &wreckMesh;
        effect->data = nullptr;
        body->angleZ += kWreckSpin;
        Finish(opponent);
        return;
    }
    AcceptOrders();
    if (moving == 1 ||
        (IsRoboStyle(record.pitch) && Distance(pos, attackTarget) < kArrivalDistance)) {
        attackTimer = 0;
        effect->data = nullptr;
    }
    if (specialTimer != 0) {
        SpecialAttackStep(opponent);
    } else {
        FacingStep(opponent);
    }
    if (attackTimer != 0 || (moving == 1 && specialTimer == 0)) {
        Move();
    } else {
        body->angleY = 0;
    }
    Finish(opponent);
}

void TFream::KeepTargetInArena() {
    int32_t distance = Truncated(Distance(GroundPoint{0, 0}, moveTarget));
    if (distance <= kArenaRadius) return;
    float factor = static_cast<float>(kArenaRadius) / static_cast<float>(distance);
    moveTarget = GroundPoint{moveTarget.x * factor, moveTarget.y * factor};
}

void TFream::KnockbackStep() {
    if (knockback != 1) return;
    GroundPoint candidate = MoveAlong(pos, knockHeading, kKnockbackStep);
    if (IsFree(candidate)) pos = candidate;
    if (--knockTimer < 0) knockback = 0;
}

void TFream::AcceptOrders() {
    if (specialOrder == kSpecialOrdered) {
        specialTimer = kSpecialTicks;
        specialOrder = 0;
        PlaySound("SPAshot.wav");
    }
    if (attackOrder == kTurboOrdered) {
        attackTimer = kTurboTicks;
        attackTarget = moveTarget;
        attackOrder = 0;
    }
}

// Charging (40..20) shows the spinning glow; below 20 both weapons fire at the opponent every
// third tick, whatever weapon is selected.
void TFream::SpecialAttackStep(GroundPoint opponent) {
    int32_t toOpponent = HeadingTo(pos, opponent);
    heading = toOpponent;
    body->angleZ = toOpponent;
    if (specialTimer < 20) {
        if (specialTimer % 3 == 0) {
            gun->Fire(pos, opponent);
            missile->Fire(pos, opponent);
        }
        effect->data = nullptr;
    } else {
        *effect = *body;
        effect->data = &powerMesh;
        effect->angleZ = toOpponent;
        effect->angleX += 100 * specialTimer;
    }
    --specialTimer;
}

void TFream::FacingStep(GroundPoint opponent) {
    int32_t toTarget = HeadingTo(pos, moveTarget);
    body->angleX = 0;
    heading = toTarget;
    body->angleZ = toTarget;
    if (attackTimer != 0) TurboAttackStep(opponent);
    if (fireNow == 1) Fire(moveTarget);
    fireNow = 0;
}

// The afterimage trails behind; ROBO style turns on the opponent near the target and fires,
// FIRE style stops at the target, faces the opponent and fires.
void TFream::TurboAttackStep(GroundPoint opponent) {
    *effect = lastBody;
    fireNow = 0;
    heading = HeadingTo(pos, attackTarget);
    if (attackTimer % 2 == 1) {
        GroundPoint image{effect->x, effect->y};
        GroundPoint pushed = MoveAlong(image, heading + 2047, 4 * Distance(image, pos));
        effect->x = pushed.x;
        effect->y = pushed.y;
    }
    int32_t facing;
    float toTarget = Distance(pos, attackTarget);
    bool engaging =
        IsRoboStyle(record.pitch) ? toTarget < kRoboEngageDistance : toTarget < kArrivalDistance;
    if (engaging) {
        if (!IsRoboStyle(record.pitch)) effect->data = nullptr;
        facing = HeadingTo(pos, opponent);
        moveTarget = opponent;
        if (attackTimer % 3 == 0) fireNow = 1;
    } else {
        facing = heading;  // on towards the target point
    }
    body->angleZ = facing;
    if (--attackTimer == 0) effect->data = nullptr;
}

float TFream::StepLength() const {
    if (attackTimer == 0 || record.pitch == 200) return static_cast<float>(speed + 5);
    if (IsRoboStyle(record.pitch)) return static_cast<float>(2 * speed + 5);
    if (Distance(pos, attackTarget) < kArrivalDistance) return 0.0f;  // holds its place
    return static_cast<float>(4 * speed + 5);
}

void TFream::Move() {
    GroundPoint candidate = MoveAlong(pos, heading, StepLength());
    if (!IsFree(candidate)) return;  // blocked: nothing moves, the angles stay
    pos = candidate;
    if (attackTimer != 0 && IsRoboStyle(record.pitch)) {
        Bank();
    } else {
        body->angleY = record.pitch;
    }
}

// Leans into the direction of travel relative to the facing: pitch forward or back, roll aside.
void TFream::Bank() {
    float tilt = 1.5f * static_cast<float>(record.pitch);
    int32_t relative = ((HeadingTo(pos, attackTarget) + 4096 - body->angleZ) % 4096 + 4096) % 4096;
    float within = static_cast<float>(relative % 1024);
    float rest = 1024.0f - within;
    constexpr float kPerQuarter = 0.0009765625f;
    float forward = tilt * rest * kPerQuarter, aside = tilt * within * kPerQuarter;
    struct Lean {
        float pitch, roll;
    };
    const Lean byQuarter[4] = {
        {forward, -aside}, {-aside, -forward}, {-forward, aside}, {aside, forward}};
    const Lean &lean = byQuarter[relative / 1024];
    body->angleY = Truncated(lean.pitch);
    body->angleX = Truncated(lean.roll);
}

void TFream::Finish(GroundPoint opponent) {
    body->x = pos.x;
    body->y = pos.y;
    lastBody = *body;
    gun->Step();
    missile->Step(opponent);
}

void TFream::Fire(GroundPoint target) {
    if (IsDestroyed()) return;
    if (weaponSelect == 0) {
        if (gun->Fire(pos, target)) PlaySound("Gunshot.wav");
    } else {
        if (missile->Fire(pos, target)) PlaySound("Missshot.wav");
    }
}

int32_t TFream::CheckHits(TFream &shooter, TFream &victim) {
    int32_t result = kNoSlot;
    TWeapon *weapons[] = {shooter.gun.get(), shooter.missile.get()};
    for (TWeapon *weapon : weapons) {
        int32_t slot = weapon->HitTest(victim.pos, TWeapon::kDetonatingRadius, kNoSlot);
        if (slot == kNoSlot || victim.specialTimer != 0) continue;  // immune while attacking
        victim.Hit(weapon->slots[slot].heading);
        victim.shield -= weapon->Row().damage;
        result = slot;
    }
    return result;
}

void TFream::Hit(int32_t projectileHeading) {
    if (projectileHeading == kNoSlot) return;
    knockback = 1;
    knockHeading = projectileHeading;
    knockTimer = kKnockbackTicks;
    PlaySound("Crushfrm.wav");
}

void TFream::SetVisible(bool visible) {
    gun->SetVisible(visible);
    missile->SetVisible(visible);
    body->show = effect->show = visible ? 1 : 0;
}

}  // namespace battle
