// The energy bolt: a detuned saw and pulse pair diving in pitch through a closing filter, a
// noise crack for the attack and a low thump for weight.
#include "energy_bolt.h"

#include <cmath>

#include "envelope.h"
#include "filters.h"
#include "levels.h"
#include "noise.h"
#include "oscillators.h"

namespace sounds {
namespace {

// Most of the dive happens in the first third: the ear reads a fast drop as a shot leaving.
Signal DivingPitch(const BoltShape &shape) {
    double knee = shape.seconds / 3;
    double kneeHertz = std::sqrt(shape.startHertz * shape.endHertz) * 0.6;
    return Concatenate(
        PitchSweep(shape.startHertz, kneeHertz, knee, SweepShape::Exponential),
        PitchSweep(kneeHertz, shape.endHertz, shape.seconds - knee, SweepShape::Exponential));
}

Signal Zap(const BoltShape &shape) {
    Signal pitch = DivingPitch(shape);
    Signal detuned = pitch;
    for (double &hertz : detuned) hertz *= 1.013;
    Signal tone = Saw(pitch);
    MixInto(tone, Square(detuned, 0.3), 0, 0.7);
    Signal cutoffs = PitchSweep(9000, 900, shape.seconds, SweepShape::Exponential);
    Signal filtered = Filter(tone, FilterMode::LowPass, cutoffs, 2.0);
    return Multiply(filtered, StrikeEnvelope(0.002, shape.seconds / 4, shape.seconds));
}

Signal Crack(const BoltShape &shape) {
    NoiseSource noise(shape.seed);
    Signal burst = Filter(WhiteNoise(noise, 0.04), FilterMode::HighPass, 2500, 0.7);
    return Multiply(burst, StrikeEnvelope(0.0005, 0.007, 0.04));
}

Signal Thump() {
    Signal tone = Sine(PitchSweep(190, 60, 0.1, SweepShape::Exponential));
    return Multiply(tone, StrikeEnvelope(0.001, 0.03, 0.1));
}

}  // namespace

Signal EnergyBolt(const BoltShape &shape) {
    Signal bolt = Zap(shape);
    MixInto(bolt, Crack(shape), 0, 0.6);
    MixInto(bolt, Thump(), 0, 0.6);
    Scale(bolt, 1 / Peak(bolt));
    return bolt;
}

}  // namespace sounds
