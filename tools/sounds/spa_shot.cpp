// SPAshot.wav: a whine that climbs and pulses faster while the robot charges, a burst when the
// charge lets go, and six bolts on the steps where the robot fires.
#include <cstdint>

#include "energy_bolt.h"
#include "envelope.h"
#include "filters.h"
#include "mastering.h"
#include "noise.h"
#include "oscillators.h"
#include "recipes.h"
#include "reverb.h"

namespace sounds {
namespace {

constexpr double kSeconds = 2.0;
// The robot charges for steps 40..20 of its count and fires on 18, 15, ... 3, 50 ms apart.
constexpr double kStepSeconds = 0.05;
constexpr double kChargeSeconds = 21 * kStepSeconds;
constexpr double kFirstShotSeconds = (40 - 18) * kStepSeconds;
constexpr double kShotSpacingSeconds = 3 * kStepSeconds;
constexpr int kShots = 6;

// A pulsing that speeds up from 5 to 30 beats a second as the charge fills.
Signal ChargePulse() {
    Signal pulse = Sine(PitchSweep(5, 30, kChargeSeconds, SweepShape::Exponential));
    for (double &level : pulse) level = 0.7 + 0.3 * level;
    return pulse;
}

Signal ChargeWhine(NoiseSource &noise) {
    Signal pitch = PitchSweep(160, 1500, kChargeSeconds, SweepShape::Exponential);
    Signal whine = Sine(pitch);
    Signal octaveBelow = pitch;
    for (double &hertz : octaveBelow) hertz *= 0.5;
    Signal buzz = Filter(Saw(octaveBelow), FilterMode::LowPass,
                         PitchSweep(500, 6000, kChargeSeconds, SweepShape::Exponential), 3.0);
    MixInto(whine, buzz, 0, 0.5);
    Signal shimmer = pitch;
    for (double &hertz : shimmer) hertz *= 2.01;
    MixInto(whine, Sine(shimmer), 0, 0.2);
    Signal sparks = Filter(WhiteNoise(noise, kChargeSeconds), FilterMode::BandPass, 3500, 1.5);
    MixInto(whine, sparks, 0, 0.3);
    Signal swell = Curved(
        LineEnvelope(
            {{0, 0.2}, {kChargeSeconds - 0.1, 1}, {kChargeSeconds - 0.02, 1}, {kChargeSeconds, 0}},
            kChargeSeconds),
        1.6);
    return Multiply(Multiply(whine, ChargePulse()), swell);
}

// Two quick rising chirps the moment the order is taken, before the whine has grown loud.
Signal Acknowledge() {
    Signal chirps = Silence(0.2);
    for (double start : {0.0, 0.08}) {
        Signal chirp = Sine(PitchSweep(1100, 2300, 0.07, SweepShape::Exponential));
        MixInto(chirps, Multiply(chirp, StrikeEnvelope(0.002, 0.025, 0.07)), start);
    }
    return chirps;
}

Signal ReleaseBurst(NoiseSource &noise) {
    constexpr double kBurstSeconds = 0.6;
    Signal burst = Sine(PitchSweep(95, 34, kBurstSeconds, SweepShape::Exponential));
    burst = Multiply(burst, StrikeEnvelope(0.002, 0.13, kBurstSeconds));
    Signal blast = Filter(WhiteNoise(noise, 0.4), FilterMode::LowPass, 3200, 0.8);
    MixInto(burst, Multiply(blast, StrikeEnvelope(0.001, 0.07, 0.4)), 0, 0.7);
    Signal chord = Silence(0.45);
    for (double hertz : {440.0, 659.3, 880.0}) MixInto(chord, Saw(SteadyPitch(hertz, 0.45)), 0);
    chord = Filter(chord, FilterMode::LowPass, 4000, 0.8);
    MixInto(burst, Multiply(chord, StrikeEnvelope(0.002, 0.1, 0.45)), 0, 0.15);
    return burst;
}

Signal Barrage() {
    Signal barrage = Silence(kSeconds);
    for (int shot = 0; shot < kShots; ++shot) {
        double pitchScale = shot % 2 == 0 ? 1.0 : 1.12;
        BoltShape shape{.startHertz = 2600 * pitchScale,
                        .endHertz = 260 * pitchScale,
                        .seconds = 0.14,
                        .seed = static_cast<uint64_t>(100 + shot)};
        double start = kFirstShotSeconds + shot * kShotSpacingSeconds;
        MixInto(barrage, EnergyBolt(shape), start);
    }
    return barrage;
}

}  // namespace

Signal MakeSpecialAttack() {
    NoiseSource noise(0x5BA5'407);
    Signal attack = ChargeWhine(noise);
    Scale(attack, 0.6);
    MixInto(attack, Acknowledge(), 0, 0.35);
    MixInto(attack, ReleaseBurst(noise), kChargeSeconds, 1.0);
    MixInto(attack, Barrage(), 0, 0.9);
    attack = Reverb(attack, {.decaySeconds = 0.5, .damping = 0.5, .wet = 0.15});
    attack.resize(SamplesFor(kSeconds));
    Master(attack, 0.6);
    return attack;
}

}  // namespace sounds
