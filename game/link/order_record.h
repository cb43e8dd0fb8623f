// The order record: what a robot was ordered in one game step, 13 bytes as the two PCs of a
// linked match exchange them every step, so both compute the same fight.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "battle/fream.h"

namespace versus {

// moveTarget x and y (float32), moving, fireNow, then the low bytes of specialOrder, attackOrder
// and weaponSelect.
constexpr size_t kOrderRecordBytes = 13;
using OrderBytes = std::array<uint8_t, kOrderRecordBytes>;

OrderBytes EncodeOrders(const battle::TFream &robot);

// Gives robot the orders of bytes (the last three widened without sign). A move target that is
// not finite is refused with false, and the robot's orders stay as they were.
bool DecodeOrders(const OrderBytes &bytes, battle::TFream &robot);

}  // namespace versus
