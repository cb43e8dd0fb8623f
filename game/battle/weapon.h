// A robot's weapon: six projectile slots with their scene instances, flight, explosions and the
// hit and collision tests. The gun and the missile launcher build on it.
#pragma once

#include <array>
#include <cstdint>

#include "geometry.h"
#include "scene.h"
#include "weapon_kinds.h"

namespace battle {

// The result of a hit test that found nothing, and the excluded slot that matches none.
constexpr int32_t kNoSlot = 999;

// A projectile slot: free (state 0), flying (state 1.. counting ticks since the shot) or
// exploding (state -10..-1). It may fire again once state and cooldown are both 0.
struct ProjectileSlot {
    int32_t cooldown = 0;
    int32_t state = 0;
    int32_t heading = 0;
    GroundPoint position;
    ObjectStruct *instance = nullptr;
};

class TWeapon {
  public:
    static constexpr int kSlots = 6;
    // A robot hit within this radius detonates the projectile that found it.
    static constexpr int32_t kDetonatingRadius = 20;

    TWeapon(const TWeapon &) = delete;
    TWeapon &operator=(const TWeapon &) = delete;
    virtual ~TWeapon();

    // Takes the kind's row and frees every slot; reloads the projectile mesh only if asked.
    virtual void SetKind(int32_t kind, bool reloadMesh);

    // The first flying slot other than excluded closer than radius to point, or kNoSlot. With
    // radius exactly kDetonatingRadius that slot starts exploding; larger radii only look.
    int32_t HitTest(GroundPoint point, int32_t radius, int32_t excluded);

    // Not within 50 units of an obstacle standing on the ground.
    bool IsFree(GroundPoint point) const;

    // Shows or hides every instance of the weapon; hidden instances return to the scene's pool.
    virtual void SetVisible(bool visible);

    int32_t Kind() const { return kind_; }
    const WeaponKind &Row() const { return row_; }
    // The projectile's mesh: the frame file and the frame editor read and replace it.
    ObjectData &ProjectileMesh() { return projectileMesh_; }

    std::array<ProjectileSlot, kSlots> slots;

  protected:
    TWeapon(Scene &scene, WeaponClass weaponClass);

    // Shows explosion frame state / -4 (Crush3 first, fading to Crush1), turning as it burns.
    void ShowExplosion(ProjectileSlot &slot);
    // Starts the slot's projectile: position, heading, shown with the projectile mesh.
    void Launch(ProjectileSlot &slot, GroundPoint from, int32_t heading);

    WeaponClass weaponClass_;
    int32_t kind_ = 0;
    WeaponKind row_{};
    std::array<ObjectStruct *, kObstacleCount> obstacles_;
    ObjectData projectileMesh_{};
    std::array<ObjectData, 3> explosionMeshes_{};  // "Crush1", "Crush2", "Crush3"
};

// Claims a scene instance for a battle object, or throws SetupError saying what ran short.
ObjectStruct *ClaimOrFail(Scene &scene, const char *purpose);

}  // namespace battle
