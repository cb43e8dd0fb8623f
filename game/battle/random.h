// The program's own random generator: the classic 15-bit linear congruential sequence, so both
// PCs of a versus match draw the same numbers after the same seed, whatever their C library.
#pragma once

#include <cstdint>

namespace battle {

// The next number of the sequence, 0..32767.
int32_t NextRandom();

// Restarts the sequence; every run starts as if seeded with 1.
void SeedRandom(uint32_t seed);

}  // namespace battle
