// Level shaping: saturation, soft limiting, normalising.
#include "dynamics.h"

#include <cmath>

#include "levels.h"

namespace sounds {

void Saturate(Signal &signal, double drive) {
    double makeUp = 1 / std::tanh(drive);
    for (double &sample : signal) sample = makeUp * std::tanh(drive * sample);
}

void SoftLimit(Signal &signal, double threshold) {
    double headroom = 1 - threshold;
    for (double &sample : signal) {
        double magnitude = std::fabs(sample);
        if (magnitude <= threshold) continue;
        double bent = threshold + headroom * std::tanh((magnitude - threshold) / headroom);
        sample = std::copysign(bent, sample);
    }
}

void NormalisePeak(Signal &signal, double peakDecibels) {
    double peak = Peak(signal);
    if (peak > 0) Scale(signal, GainFromDecibels(peakDecibels) / peak);
}

}  // namespace sounds
