// The order record's byte layout.
#include "order_record.h"

#include <cmath>
#include <cstring>

namespace versus {
namespace {

constexpr size_t kTargetY = 4, kMoving = 8, kFireNow = 9, kSpecialOrder = 10, kAttackOrder = 11,
                 kWeaponSelect = 12;

void PutFloat(uint8_t *out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

float GetFloat(const uint8_t *in) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(in[i]) << (8 * i);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

OrderBytes EncodeOrders(const battle::TFream &robot) {
    OrderBytes bytes{};
    PutFloat(&bytes[0], robot.moveTarget.x);
    PutFloat(&bytes[kTargetY], robot.moveTarget.y);
    bytes[kMoving] = robot.moving;
    bytes[kFireNow] = robot.fireNow;
    bytes[kSpecialOrder] = LowByte(robot.specialOrder);
    bytes[kAttackOrder] = LowByte(robot.attackOrder);
    bytes[kWeaponSelect] = LowByte(robot.weaponSelect);
    return bytes;
}

bool DecodeOrders(const OrderBytes &bytes, battle::TFream &robot) {
    battle::GroundPoint target{GetFloat(&bytes[0]), GetFloat(&bytes[kTargetY])};
    if (!std::isfinite(target.x) || !std::isfinite(target.y)) return false;
    robot.moveTarget = target;
    robot.moving = bytes[kMoving];
    robot.fireNow = bytes[kFireNow];
    robot.specialOrder = bytes[kSpecialOrder];
    robot.attackOrder = bytes[kAttackOrder];
    robot.weaponSelect = bytes[kWeaponSelect];
    return true;
}

}  // namespace versus
