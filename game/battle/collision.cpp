// Collision of one side's gun shots with the other side's missiles.
#include "collision.h"

namespace battle {
namespace {

constexpr float kMeetingDistance = 20.0f;

bool IsFlying(const ProjectileSlot &slot) {
    return slot.state > 0;
}

}  // namespace

void CollideProjectiles(TWepnGun &gun, TWepnMiss &missiles) {
    bool missilesSurvive = missiles.Kind() == 1006 || missiles.Kind() == 1007;
    bool shotsSurvive = gun.Kind() == 1006;
    for (int32_t j = 0; j < missiles.Row().count; ++j) {
        ProjectileSlot &missile = missiles.slots[j];
        for (int32_t i = 0; i < gun.Row().count && IsFlying(missile); ++i) {
            ProjectileSlot &shot = gun.slots[i];
            if (!IsFlying(shot) || Distance(missile.position, shot.position) >= kMeetingDistance)
                continue;
            if (!missilesSurvive) missile.state = -10;
            if (!shotsSurvive) shot.state = -10;
        }
    }
}

}  // namespace battle
