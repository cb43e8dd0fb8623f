// The program's 15-bit random generator replayed on its own, and a search for seeds whose first
// draws come out as a test needs them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class ReplicaRandom {
  public:
    explicit ReplicaRandom(uint32_t seed) : state_(seed) {}
    int32_t Next() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
    }

  private:
    uint32_t state_;
};

// One draw rnd(modulus) and what its value must be.
struct WantedDraw {
    int32_t modulus;
    std::function<bool(int32_t)> wanted;
};

inline WantedDraw AnyOf(int32_t modulus) {
    return {modulus, [](int32_t) { return true; }};
}
inline WantedDraw Equal(int32_t modulus, int32_t value) {
    return {modulus, [value](int32_t drawn) { return drawn == value; }};
}
inline WantedDraw Below(int32_t modulus, int32_t limit) {
    return {modulus, [limit](int32_t drawn) { return drawn < limit; }};
}
inline WantedDraw AtLeast(int32_t modulus, int32_t limit) {
    return {modulus, [limit](int32_t drawn) { return drawn >= limit; }};
}

// The first seed above after whose first draws are the wanted ones, in order; 0 if none is found
// among the next ten million.
inline uint32_t SeedFor(const std::vector<WantedDraw> &draws, uint32_t after = 0) {
    for (uint32_t seed = after + 1; seed < after + 10'000'000; ++seed) {
        ReplicaRandom replica(seed);
        bool fits = true;
        for (const WantedDraw &draw : draws) {
            if (!draw.wanted(replica.Next() % draw.modulus)) {
                fits = false;
                break;
            }
        }
        if (fits) return seed;
    }
    return 0;
}
