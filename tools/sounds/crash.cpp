// Crushfrm.wav: a heavy hit on a robot's armour: a deep thump, a gritty crunch, the plate ringing
// with clashing overtones, debris rattling down and an explosion's rumble underneath.
#include <array>

#include "dynamics.h"
#include "envelope.h"
#include "filters.h"
#include "mastering.h"
#include "noise.h"
#include "oscillators.h"
#include "recipes.h"

namespace sounds {
namespace {

constexpr double kSeconds = 1.1;

struct Partial {
    double hertz;
    double decaySeconds;
    double gain;
};

// Overtones of a struck steel plate: not whole multiples of the lowest, which is what makes
// metal sound like metal rather than a note.
constexpr std::array<Partial, 7> kPlatePartials{{{310, 0.45, 0.5},
                                                 {743, 0.33, 0.45},
                                                 {1187, 0.28, 0.35},
                                                 {1652, 0.2, 0.3},
                                                 {2311, 0.15, 0.25},
                                                 {3090, 0.1, 0.2},
                                                 {4210, 0.07, 0.15}}};

Signal Thump() {
    Signal thump = Sine(PitchSweep(125, 36, 0.45, SweepShape::Exponential));
    return Multiply(thump, StrikeEnvelope(0.001, 0.09, 0.45));
}

Signal CrunchGrain(NoiseSource &noise, double cutoff, double seconds) {
    Signal crunch = Filter(WhiteNoise(noise, seconds), FilterMode::LowPass, cutoff, 1.2);
    crunch = Multiply(crunch, StrikeEnvelope(0.001, seconds / 5, seconds));
    Saturate(crunch, 4.0);
    return crunch;
}

// Two crunches close together: the armour gives, then buckles.
Signal Crunch(NoiseSource &noise) {
    Signal crunch = CrunchGrain(noise, 2600, 0.3);
    MixInto(crunch, CrunchGrain(noise, 1500, 0.25), 0.035, 0.6);
    return crunch;
}

// Each overtone is a pair detuned by a few tenths of a percent, so the ring beats and shimmers.
Signal PlateRing() {
    Signal ring = Silence(kSeconds);
    for (const Partial &partial : kPlatePartials) {
        for (double detune : {0.997, 1.003}) {
            Signal tone = Sine(SteadyPitch(partial.hertz * detune, kSeconds));
            MixInto(ring, Multiply(tone, StrikeEnvelope(0.001, partial.decaySeconds, kSeconds)), 0,
                    partial.gain / 2);
        }
    }
    return ring;
}

// Small pieces landing: bright pings and short rattles, thinning out and getting quieter.
Signal Debris(NoiseSource &noise) {
    Signal debris = Silence(kSeconds);
    constexpr int kPieces = 42;
    for (int piece = 0; piece < kPieces; ++piece) {
        double lateness = noise.NextUnit();
        double time = 0.06 + 0.85 * lateness * lateness;
        double gain = noise.NextBetween(0.4, 1.0) * (1 - 0.75 * lateness);
        double length = 0.05;
        Signal grain;
        if (noise.NextUnit() < 0.5) {
            grain = Sine(SteadyPitch(noise.NextBetween(1800, 5200), length));
            grain = Multiply(grain, StrikeEnvelope(0.0005, noise.NextBetween(0.006, 0.02), length));
        } else {
            grain = Filter(WhiteNoise(noise, length), FilterMode::BandPass,
                           noise.NextBetween(1500, 3500), 2.0);
            grain = Multiply(grain, StrikeEnvelope(0.0005, 0.008, length));
        }
        MixInto(debris, grain, time, gain);
    }
    debris.resize(SamplesFor(kSeconds));
    return debris;
}

Signal Rumble(NoiseSource &noise) {
    Signal rumble = Filter(BrownNoise(noise, kSeconds), FilterMode::LowPass, 300, 0.7);
    return Multiply(rumble, LineEnvelope({{0, 0}, {0.01, 1}, {0.3, 0.6}, {kSeconds, 0}}, kSeconds));
}

}  // namespace

Signal MakeCrash() {
    NoiseSource noise(0xC2A5'4F2);
    Signal crash = Thump();
    MixInto(crash, Crunch(noise), 0, 0.8);
    MixInto(crash, PlateRing(), 0, 0.45);
    MixInto(crash, Debris(noise), 0, 0.3);
    MixInto(crash, Rumble(noise), 0, 0.6);
    crash.resize(SamplesFor(kSeconds));
    Master(crash, 0.6);
    return crash;
}

}  // namespace sounds
