// One energy bolt: the zap shared by the gun and the special attack's barrage.
#pragma once

#include <cstdint>

#include "signal.h"

namespace sounds {

struct BoltShape {
    // The zap's pitch falls from here...
    double startHertz = 2400;
    // ...to here over its length.
    double endHertz = 200;
    double seconds = 0.28;
    // Seeds the crack of air at the muzzle.
    uint64_t seed = 1;
};

// Unmastered, with its peak near 1.
Signal EnergyBolt(const BoltShape &shape);

}  // namespace sounds
