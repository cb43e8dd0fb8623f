// Level measurements: peak, root mean square, mean.
#include "levels.h"

#include <algorithm>
#include <cmath>

namespace sounds {

double Peak(const Signal &signal) {
    double peak = 0;
    for (double sample : signal) peak = std::max(peak, std::fabs(sample));
    return peak;
}

double Rms(const Signal &signal) {
    if (signal.empty()) return 0;
    double sum = 0;
    for (double sample : signal) sum += sample * sample;
    return std::sqrt(sum / static_cast<double>(signal.size()));
}

double Mean(const Signal &signal) {
    if (signal.empty()) return 0;
    double sum = 0;
    for (double sample : signal) sum += sample;
    return sum / static_cast<double>(signal.size());
}

double GainFromDecibels(double decibels) {
    return std::pow(10.0, decibels / 20);
}

double DecibelsFromGain(double gain) {
    return 20 * std::log10(gain);
}

}  // namespace sounds
