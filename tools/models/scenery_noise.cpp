// Repeatable scatter from an integer hash; no library generator, whose sequences may differ
// between standard libraries.
#include "scenery_noise.h"

namespace models {
namespace {

uint32_t Mix(uint32_t value) {
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    value ^= value >> 16;
    return value;
}

}  // namespace

double Scatter(uint32_t seed, uint32_t index) {
    uint32_t hashed = Mix(Mix(seed * 0x9E3779B9u + 0x632BE5ABu) ^ (index * 0x85EBCA6Bu));
    return hashed / 4294967296.0;
}

double ScatterBetween(uint32_t seed, uint32_t index, double lowest, double highest) {
    return lowest + (highest - lowest) * Scatter(seed, index);
}

}  // namespace models
