// Missshot.wav: ignition thump, then a rocket's roar and hiss that rises as the missile speeds up
// and falls away as it leaves, with flame crackle on top.
#include <cmath>

#include "envelope.h"
#include "filters.h"
#include "mastering.h"
#include "noise.h"
#include "oscillators.h"
#include "recipes.h"

namespace sounds {
namespace {

constexpr double kSeconds = 0.85;

// The roar's loudness: a fast start, then away into the distance.
Signal FlightEnvelope() {
    return LineEnvelope({{0, 0}, {0.04, 1}, {0.3, 0.85}, {kSeconds, 0}}, kSeconds);
}

Signal Ignition(NoiseSource &noise) {
    Signal boom = Sine(PitchSweep(110, 42, 0.28, SweepShape::Exponential));
    boom = Multiply(boom, StrikeEnvelope(0.002, 0.07, 0.28));
    Signal chuff = Filter(WhiteNoise(noise, 0.15), FilterMode::LowPass, 1400, 0.8);
    MixInto(boom, Multiply(chuff, StrikeEnvelope(0.001, 0.035, 0.15)), 0, 0.8);
    return boom;
}

// The band climbs while the missile accelerates and sinks as it recedes, like a passing engine.
Signal Roar(NoiseSource &noise) {
    Signal centre = Concatenate(PitchSweep(700, 2600, 0.25, SweepShape::Exponential),
                                PitchSweep(2600, 1000, kSeconds - 0.25, SweepShape::Exponential));
    Signal source = WhiteNoise(noise, kSeconds);
    Signal roar = Filter(source, FilterMode::BandPass, centre, 0.9);
    // Air swallows the highs first, so the hiss darkens as the missile gets further away.
    Signal hiss = Filter(source, FilterMode::HighPass, 4500, 0.7);
    hiss = Filter(hiss, FilterMode::LowPass,
                  PitchSweep(10000, 5000, kSeconds, SweepShape::Exponential), 0.7);
    MixInto(roar, hiss, 0, 0.3);
    Signal whoosh = Filter(WhiteNoise(noise, kSeconds), FilterMode::BandPass, centre, 4.0);
    MixInto(roar, whoosh, 0, 0.9);
    return Multiply(roar, FlightEnvelope());
}

// Rumble whose level flutters at random, as a flame does.
Signal Rumble(NoiseSource &noise) {
    Signal rumble = Filter(BrownNoise(noise, kSeconds), FilterMode::LowPass, 260, 0.7);
    Signal flutter = Filter(WhiteNoise(noise, kSeconds), FilterMode::LowPass, 30, 0.7);
    for (std::size_t i = 0; i < rumble.size(); ++i) rumble[i] *= 0.6 + 6 * std::abs(flutter[i]);
    return Multiply(rumble, FlightEnvelope());
}

// Short noise grains at random moments, thinning out as the missile leaves.
Signal Crackle(NoiseSource &noise) {
    Signal crackle = Silence(kSeconds);
    for (double time = 0.02; time < kSeconds - 0.05; time += noise.NextBetween(0.004, 0.03)) {
        double distance = time / kSeconds;
        Signal grain = Filter(WhiteNoise(noise, 0.01), FilterMode::HighPass, 2000, 0.7);
        grain = Multiply(grain, StrikeEnvelope(0.0003, 0.0015, 0.01));
        MixInto(crackle, grain, time, noise.NextBetween(0.3, 1.0) * (1 - distance));
    }
    crackle.resize(SamplesFor(kSeconds));
    return crackle;
}

}  // namespace

Signal MakeMissileLaunch() {
    NoiseSource noise(0x6D15'5113);
    Signal launch = Ignition(noise);
    MixInto(launch, Roar(noise), 0, 1.1);
    MixInto(launch, Rumble(noise), 0, 0.5);
    MixInto(launch, Crackle(noise), 0, 0.35);
    launch.resize(SamplesFor(kSeconds));
    Master(launch, 0.65);
    return launch;
}

}  // namespace sounds
