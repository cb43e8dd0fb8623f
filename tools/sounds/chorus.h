// Chorus: copies of a sound, each delayed by a slowly wandering few milliseconds, mixed back in.
#pragma once

#include <vector>

#include "signal.h"

namespace sounds {

struct ChorusVoice {
    double delaySeconds;
    // How far the delay swings either way.
    double sweepSeconds;
    double rateHertz;
    double gain;
};

// The sound plus its voices; as long as the input.
Signal Chorus(const Signal &dry, const std::vector<ChorusVoice> &voices);

}  // namespace sounds
