// The missile launcher: volleys of missiles that home in, tumble or stand as barriers, with a
// smoke trail of puffs behind them.
#pragma once

#include "weapon.h"

namespace battle {

// One puff of a missile's smoke trail.
struct SmokePuff {
    GroundPoint position;
    int32_t counter = 0;  // ticks left; 0 = free
    ObjectStruct *instance = nullptr;
};

class TWepnMiss : public TWeapon {
  public:
    static constexpr int kPuffs = 18;

    explicit TWepnMiss(Scene &scene);
    ~TWepnMiss() override;

    // Also reloads the kind's three smoke meshes and clears the trail.
    void SetKind(int32_t kind, bool reloadMesh) override;

    // Fires a volley from from aimed at target; true if at least one missile left.
    bool Fire(GroundPoint from, GroundPoint target);

    // One tick of every slot, steering towards target (the opponent), then of the smoke.
    void Step(GroundPoint target);

    void SetVisible(bool visible) override;

    std::array<SmokePuff, kPuffs> puffs;

  private:
    void Steer(ProjectileSlot &slot, GroundPoint target);
    void Fly(ProjectileSlot &slot);
    bool MakesSmoke(const ProjectileSlot &slot) const;
    void EmitPuff(GroundPoint at, int32_t heading);
    void AdvanceSmoke();

    std::array<ObjectData, 3> smokeMeshes_{};  // index 2 is a new puff, fading to 0
};

}  // namespace battle
