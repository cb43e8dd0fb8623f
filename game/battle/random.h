// The program's own random generator: the classic 15-bit linear congruential sequence, so both
// PCs of a versus match draw the same numbers after the same seed, whatever their C library.
#pragma once

#include <cstdint>

namespace battle {

// The next number of the sequence, 0..32767.
int32_t NextRandom();

// The next number of the sequence reduced to 0..n - 1 (n > 0).
int32_t RandomBelow(int32_t n);

// Restarts the sequence; every run starts as if seeded with 1.
void SeedRandom(uint32_t seed);

}  // namespace battle
