// A small hall reverb: parallel damped combs into series all-passes.
#pragma once

#include "signal.h"

namespace sounds {

struct Room {
    // Time for the tail to fall by 60 dB.
    double decaySeconds = 1.0;
    // 0..1: how much faster the highs die than the lows; more sounds like a softer, larger room.
    double damping = 0.4;
    // Level of the reverberation mixed in beside the unchanged sound.
    double wet = 0.25;
};

// The sound with its reverberation; longer than the input by the decay time, so the tail rings out.
Signal Reverb(const Signal &dry, const Room &room);

}  // namespace sounds
