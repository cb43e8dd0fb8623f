// The gun: volleys of shots, laser beams that grow at the muzzle, and the shots' flight.
#pragma once

#include "weapon.h"

namespace battle {

class TWepnGun : public TWeapon {
  public:
    explicit TWepnGun(Scene &scene);
    ~TWepnGun() override;

    // Also loads the three beam meshes for the laser kinds.
    void SetKind(int32_t kind, bool reloadMesh) override;

    // Fires a volley from from aimed at target; true if at least one shot left.
    bool Fire(GroundPoint from, GroundPoint target);

    // One tick of every slot: cooldowns, flight, beams, explosions.
    void Step();

  private:
    bool HasBeams() const;
    void Fly(ProjectileSlot &slot);

    std::array<ObjectData, 3> beamMeshes_{};  // "Lazer_Gun1".."Lazer_Gun3", for kinds 1002 and 1008
};

}  // namespace battle
