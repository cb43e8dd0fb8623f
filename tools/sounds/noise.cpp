// Seeded noise: white from the generator, brown by leaky integration of white.
#include "noise.h"

#include <algorithm>
#include <cmath>

namespace sounds {

uint64_t NoiseSource::NextBits() {
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t mixed = state_;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
    return mixed ^ (mixed >> 31);
}

double NoiseSource::NextUnit() {
    // The top 53 bits fill a double's mantissa exactly, so the result never reaches 1.
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

double NoiseSource::NextBetween(double low, double high) {
    return low + (high - low) * NextUnit();
}

Signal WhiteNoise(NoiseSource &source, double seconds) {
    Signal noise(SamplesFor(seconds));
    for (double &sample : noise) sample = source.NextBetween(-1.0, 1.0);
    return noise;
}

Signal BrownNoise(NoiseSource &source, double seconds) {
    // The leak keeps the walk from drifting away; it sets the corner near 20 Hz.
    constexpr double kLeak = 0.994;
    Signal noise(SamplesFor(seconds));
    double level = 0;
    for (double &sample : noise) {
        level = kLeak * level + 0.1 * source.NextBetween(-1.0, 1.0);
        sample = level;
    }
    double peak = 0;
    for (double sample : noise) peak = std::max(peak, std::fabs(sample));
    if (peak > 0) Scale(noise, 1.0 / peak);
    return noise;
}

}  // namespace sounds
