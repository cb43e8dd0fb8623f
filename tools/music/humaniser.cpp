// A small seeded generator that varies velocities a little, the same way on every run.
#include "humaniser.h"

namespace music {

Humaniser::Humaniser(std::string_view seed) {
    // FNV-1a of the seed text; xorshift must not start from zero.
    std::uint32_t hash = 2166136261u;
    for (char character : seed) {
        hash = (hash ^ static_cast<std::uint8_t>(character)) * 16777619u;
    }
    state_ = hash == 0 ? 1 : hash;
}

int Humaniser::Vary(int spread) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ % static_cast<std::uint32_t>(2 * spread + 1)) - spread;
}

}  // namespace music
