// Noise from a seeded generator of our own, so every run writes the same files.
#pragma once

#include <cstdint>

#include "signal.h"

namespace sounds {

// A 64-bit mixing generator (splitmix64): the same seed gives the same numbers on every machine.
class NoiseSource {
  public:
    explicit NoiseSource(uint64_t seed) : state_(seed) {}

    uint64_t NextBits();
    // Uniform in [0, 1).
    double NextUnit();
    // Uniform in [low, high).
    double NextBetween(double low, double high);

  private:
    uint64_t state_;
};

// Flat spectrum, uniform in [-1, 1).
Signal WhiteNoise(NoiseSource &source, double seconds);

// Falls 6 dB per octave, for rumble; its peak is about 1.
Signal BrownNoise(NoiseSource &source, double seconds);

}  // namespace sounds
