// A fighting robot: its body and effect instances, gun and missile launcher, shield and the order
// fields that the player's mouse, the computer opponent or the other PC write between ticks.
#pragma once

#include <memory>

#include "definition_record.h"
#include "gun.h"
#include "missile_launcher.h"
#include "platform/sound_effects.h"

namespace battle {

// attackOrder: the turbo attack armed by the floating menu, then ordered at moveTarget.
constexpr int32_t kTurboOrdered = 101;
constexpr int32_t kTurboArmed = 102;
// specialOrder: a drag begun on the own robot, then the special attack ordered.
constexpr int32_t kSpecialDragged = 101;
constexpr int32_t kSpecialOrdered = 102;

class TFream {
  public:
    // Ticks of the special attack (charging from 40 to 20, firing below 20) and the turbo attack.
    static constexpr int32_t kSpecialTicks = 40;
    static constexpr int32_t kTurboTicks = 50;
    static constexpr int32_t kFullShield = 100;

    TFream(Scene &scene, platform::SoundEffects &sounds);
    TFream(const TFream &) = delete;
    TFream &operator=(const TFream &) = delete;
    virtual ~TFream();

    // Takes record (when given) and sets up weapons, shield and orders; reloads the meshes by
    // name only if asked. Position, heading and weapon choice are kept. Returns 1; a record that
    // is not playable is refused with 0, and the robot stays as it was.
    int32_t Reset(const DefinitionRecord *record, bool reloadMesh);

    // One game tick, knowing where the opponent stands.
    void Tick(GroundPoint opponent);

    // Shoots the selected weapon at target, if alive.
    void Fire(GroundPoint target);

    // Applies at most one gun hit and one missile hit of shooter's projectiles to victim; the slot
    // of the last projectile that did damage, or kNoSlot.
    static int32_t CheckHits(TFream &shooter, TFream &victim);

    // Starts a knockback along heading (kNoSlot is ignored).
    void Hit(int32_t heading);

    // Shows or hides the robot and all its weapon instances.
    void SetVisible(bool visible);

    bool IsDestroyed() const { return shield < 0; }

    DefinitionRecord record;

    // Orders, written between ticks.
    GroundPoint moveTarget;
    uint8_t moving = 0;
    uint8_t fireNow = 0;
    int32_t attackOrder = 0;
    int32_t specialOrder = 0;
    int32_t weaponSelect = 0;  // 0 gun, otherwise missile launcher

    GroundPoint pos{-100, -100};
    int32_t specialTimer = 0;
    int32_t attackTimer = 0;
    int32_t shield = kFullShield;
    int32_t slotIndex = 0;
    int32_t heading = 0;
    uint8_t knockback = 0;
    GroundPoint attackTarget;
    uint8_t soundOn = 0;
    ObjectStruct *body = nullptr;
    ObjectStruct *effect = nullptr;
    ObjectStruct lastBody{};
    std::array<ObjectStruct *, kObstacleCount> obstacles;
    ObjectData bodyMesh{};
    ObjectData wreckMesh{};
    ObjectData powerMesh{};
    std::unique_ptr<TWepnGun> gun;
    std::unique_ptr<TWepnMiss> missile;
    int32_t speed = 0;
    int32_t knockTimer = 0;
    int32_t knockHeading = 0;

  private:
    bool IsFree(GroundPoint point) const { return !IsBlocked(obstacles, point); }
    void PlaySound(const char *fileName);
    void KeepTargetInArena();
    void KnockbackStep();
    void AcceptOrders();
    void SpecialAttackStep(GroundPoint opponent);
    void TurboAttackStep(GroundPoint opponent);
    void FacingStep(GroundPoint opponent);
    void Move();
    float StepLength() const;
    void Bank();
    void Finish(GroundPoint opponent);

    platform::SoundEffects &sounds_;
};

}  // namespace battle
