// Little-endian fields of the game's fixed 32-bit layouts (frame files and the versus line): whole
// numbers, reals by their bits and vectors, built on the one-byte reads or writes of Derived.
#pragma once

#include <cstdint>
#include <cstring>

#include "trazel.h"

namespace battle {

// Derived supplies void Byte(uint8_t).
template <typename Derived>
class LittleEndianWriter {
  public:
    void Int(int32_t value) {
        auto bits = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i) Out().Byte(static_cast<uint8_t>(bits >> (8 * i)));
    }
    void Float(float value) {
        int32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Int(bits);
    }
    void Vector(const Vector3 &v) {
        Float(v.x);
        Float(v.y);
        Float(v.z);
    }

  private:
    Derived &Out() { return static_cast<Derived &>(*this); }
};

// Derived supplies uint8_t Byte().
template <typename Derived>
class LittleEndianReader {
  public:
    int32_t Int() {
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(In().Byte()) << (8 * i);
        return static_cast<int32_t>(bits);
    }
    float Float() {
        int32_t bits = Int();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    Vector3 Vector() {
        float x = Float(), y = Float();
        return Vector3{x, y, Float()};
    }

  private:
    Derived &In() { return static_cast<Derived &>(*this); }
};

}  // namespace battle
