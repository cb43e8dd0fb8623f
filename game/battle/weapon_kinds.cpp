// The kind table: codes, projectile models and the numbers that make each weapon play differently.
#include "weapon_kinds.h"

#include <stdexcept>
#include <string>

namespace battle {
namespace {

constexpr WeaponKind kGuns[] = {
    {"1WG", "Std_Gun", 5, 8, 40, 0, 3},    {"1WL", "Lazer_Gun", 3, 10, 40, 0, 2},
    {"3WG", "Std_Gun", 6, 8, 40, 0, 3},    {"1WP", "Puls_Gun", 4, 6, 20, 0, 2},
    {"2WP", "Puls_Gun", 6, 3, 20, 0, 2},   {"1WD", "Dlil_Gun", 4, 8, 30, 300, 3},
    {"1WS", "Hart_Gun", 4, 8, 30, 300, 2}, {"3WL", "Lazer_Gun", 6, 8, 40, 0, 4},
};

constexpr WeaponKind kMissiles[] = {
    {"1WM", "Std_Miss", 3, 12, 80, 0, 3},   {"3WM", "Hom_Miss", 3, 8, 110, 150, 4},
    {"1WH", "Lazer_Miss", 2, 15, 80, 0, 2}, {"2WM", "2W_Miss", 2, 12, 50, 150, 2},
    {"1WB", "MoveBom", 5, 12, 120, 0, 3},   {"5WC", "Crush3", 5, 10, 40, 0, 4},
    {"BAL", "Balier", 1, 20, 120, 0, 3},    {"2WH", "Star_Miss", 4, 10, 50, 150, 3},
};

}  // namespace

bool IsWeaponKind(int32_t kind) {
    return kind >= kFirstKind && kind <= kLastKind;
}

const WeaponKind &KindOf(WeaponClass weaponClass, int32_t kind) {
    if (!IsWeaponKind(kind)) throw std::out_of_range("no weapon kind " + std::to_string(kind));
    const WeaponKind *table = weaponClass == WeaponClass::Gun ? kGuns : kMissiles;
    return table[kind - kFirstKind];
}

}  // namespace battle
