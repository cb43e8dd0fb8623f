// Chorus by modulated delay: the moving delay bends each copy's pitch a little, which thickens it.
#include "chorus.h"

#include <cmath>
#include <numbers>

namespace sounds {
namespace {

// The input at a fractional sample position, by straight-line interpolation; silence outside.
double SampleAt(const Signal &signal, double position) {
    if (position < 0) return 0;
    std::size_t index = static_cast<std::size_t>(position);
    if (index + 1 >= signal.size()) return index < signal.size() ? signal[index] : 0;
    double fraction = position - static_cast<double>(index);
    return signal[index] + (signal[index + 1] - signal[index]) * fraction;
}

}  // namespace

Signal Chorus(const Signal &dry, const std::vector<ChorusVoice> &voices) {
    Signal output = dry;
    for (const ChorusVoice &voice : voices) {
        for (std::size_t i = 0; i < output.size(); ++i) {
            double swing = std::sin(2 * std::numbers::pi * voice.rateHertz * TimeOf(i));
            double delay = (voice.delaySeconds + voice.sweepSeconds * swing) * kSampleRate;
            output[i] += voice.gain * SampleAt(dry, static_cast<double>(i) - delay);
        }
    }
    return output;
}

}  // namespace sounds
