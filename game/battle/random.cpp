// The 15-bit generator: state = state * 22695477 + 1, value = bits 16..30 of the state.
#include "random.h"

namespace battle {
namespace {

uint32_t state = 1;

}  // namespace

int32_t NextRandom() {
    state = state * 22695477u + 1u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

int32_t RandomBelow(int32_t n) {
    return NextRandom() % n;
}

void SeedRandom(uint32_t seed) {
    state = seed;
}

}  // namespace battle
