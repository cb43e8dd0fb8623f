// Oscillators on a phase accumulator, with polynomial band-limited steps (polyBLEP) at the edges.
#include "oscillators.h"

#include <cmath>
#include <numbers>

namespace sounds {
namespace {

// Phase in cycles, advanced per sample by frequency / rate.
template <typename Wave>
Signal RunOscillator(const Signal &frequencies, Wave wave) {
    Signal output(frequencies.size());
    double phase = 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        double step = frequencies[i] / kSampleRate;
        output[i] = wave(phase, step);
        phase += step;
        phase -= std::floor(phase);
    }
    return output;
}

// Smooths a unit step that falls within one sample of phase 0.
double StepCorrection(double phase, double step) {
    if (step <= 0) return 0;
    if (phase < step) {
        double t = phase / step;
        return t + t - t * t - 1;
    }
    if (phase > 1 - step) {
        double t = (phase - 1) / step;
        return t * t + t + t + 1;
    }
    return 0;
}

}  // namespace

Signal SteadyPitch(double hertz, double seconds) {
    return Signal(SamplesFor(seconds), hertz);
}

Signal PitchSweep(double fromHertz, double toHertz, double seconds, SweepShape shape) {
    Signal frequencies(SamplesFor(seconds));
    double last = frequencies.size() > 1 ? static_cast<double>(frequencies.size() - 1) : 1;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        double fraction = static_cast<double>(i) / last;
        frequencies[i] = shape == SweepShape::Linear
                             ? fromHertz + (toHertz - fromHertz) * fraction
                             : fromHertz * std::pow(toHertz / fromHertz, fraction);
    }
    return frequencies;
}

Signal WithVibrato(Signal frequencies, double rateHertz, double depth) {
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        frequencies[i] *= 1 + depth * std::sin(2 * std::numbers::pi * rateHertz * TimeOf(i));
    }
    return frequencies;
}

Signal Sine(const Signal &frequencies) {
    return RunOscillator(
        frequencies, [](double phase, double) { return std::sin(2 * std::numbers::pi * phase); });
}

Signal Saw(const Signal &frequencies) {
    return RunOscillator(frequencies, [](double phase, double step) {
        return 2 * phase - 1 - StepCorrection(phase, step);
    });
}

Signal Square(const Signal &frequencies, double pulseWidth) {
    return RunOscillator(frequencies, [pulseWidth](double phase, double step) {
        double level = phase < pulseWidth ? 1.0 : -1.0;
        double fallPhase = phase - pulseWidth;
        fallPhase -= std::floor(fallPhase);
        return level + StepCorrection(phase, step) - StepCorrection(fallPhase, step);
    });
}

}  // namespace sounds
