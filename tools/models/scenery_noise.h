// Repeatable scatter for irregular scenery: the same numbers on every machine and every run, so
// the written model library never changes unless a model does.
#pragma once

#include <cstdint>

namespace models {

// A number in [0, 1) that depends only on seed and index.
double Scatter(uint32_t seed, uint32_t index);

// A number in [lowest, highest) that depends only on seed and index.
double ScatterBetween(uint32_t seed, uint32_t index, double lowest, double highest);

}  // namespace models
