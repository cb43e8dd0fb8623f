// Oscillators that follow a pitch track: one frequency in hertz for every sample.
#pragma once

#include "signal.h"

namespace sounds {

enum class SweepShape { Linear, Exponential };

// A pitch track that holds one frequency.
Signal SteadyPitch(double hertz, double seconds);

// A pitch track from one frequency to another; exponential sweeps move by equal musical steps.
Signal PitchSweep(double fromHertz, double toHertz, double seconds, SweepShape shape);

// Multiplies a pitch track by 1 + depth * sin(rate), for vibrato and warble.
Signal WithVibrato(Signal frequencies, double rateHertz, double depth);

// Oscillators start at phase 0 (the sine at zero) and stay in -1..1 apart from the small
// overshoot of band-limited edges.
Signal Sine(const Signal &frequencies);
// A rising sawtooth with band-limited resets, so high notes do not alias into whistles.
Signal Saw(const Signal &frequencies);
// A square wave with band-limited edges; pulseWidth is the fraction of each cycle spent high.
Signal Square(const Signal &frequencies, double pulseWidth = 0.5);

}  // namespace sounds
