// Envelopes: gain curves over time, multiplied into a sound to shape its loudness.
#pragma once

#include <vector>

#include "signal.h"

namespace sounds {

struct Breakpoint {
    double seconds;
    double level;
};

// Straight lines between the points, which must be in time order; the first level holds before
// the first point and the last level after the last.
Signal LineEnvelope(const std::vector<Breakpoint> &points, double seconds);

// A strike: a straight rise to 1 over attackSeconds, then an exponential fall with the given time
// constant, bent down in its last tenth so that the final sample is exactly 0.
Signal StrikeEnvelope(double attackSeconds, double decaySeconds, double seconds);

// Every gain raised to the given power: above 1 the curve sags, so swells start slowly.
Signal Curved(Signal envelope, double power);

}  // namespace sounds
