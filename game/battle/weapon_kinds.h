// The sixteen weapon kinds: eight guns and eight missile launchers, numbered 1001..1008 in each.
#pragma once

#include <cstdint>

namespace battle {

enum class WeaponClass { Gun = 0, Missile = 1 };

constexpr int32_t kFirstKind = 1001;
constexpr int32_t kLastKind = 1008;

// One row of the kind table.
struct WeaponKind {
    const char *code;     // three letters shown to the player; the digit is the volley size
    const char *meshTag;  // the projectile's model
    int32_t count;        // projectiles in flight at once (slots used)
    int32_t damage;       // shield points taken from a robot that is hit
    int32_t life;         // ticks a projectile flies, and before its slot may fire again
    int32_t spin;         // added to the projectile's roll every tick
    int32_t weight;       // taken from the robot's speed
};

// The row of a kind; kinds outside 1001..1008 are refused with std::out_of_range.
const WeaponKind &KindOf(WeaponClass weaponClass, int32_t kind);

bool IsWeaponKind(int32_t kind);

}  // namespace battle
