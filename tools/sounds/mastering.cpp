// Mastering: DC removal, edge fades and the chain every effect goes through before writing.
#include "mastering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dynamics.h"
#include "filters.h"

namespace sounds {
namespace {

constexpr double kFadeInSeconds = 0.003;
constexpr double kFadeOutSeconds = 0.02;

double HalfCosine(double fraction) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * fraction);
}

}  // namespace

void RemoveDcOffset(Signal &signal) {
    signal = Filter(signal, FilterMode::HighPass, 20.0, std::numbers::sqrt2 / 2);
}

void FadeEdges(Signal &signal, double fadeInSeconds, double fadeOutSeconds) {
    std::size_t fadeIn = std::min(SamplesFor(fadeInSeconds), signal.size());
    std::size_t fadeOut = std::min(SamplesFor(fadeOutSeconds), signal.size());
    for (std::size_t i = 0; i < fadeIn; ++i) {
        signal[i] *= HalfCosine(static_cast<double>(i) / static_cast<double>(fadeIn));
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        double fraction = static_cast<double>(i) / static_cast<double>(fadeOut);
        signal[signal.size() - 1 - i] *= HalfCosine(fraction);
    }
}

void Master(Signal &signal, double limiterThreshold) {
    RemoveDcOffset(signal);
    NormalisePeak(signal, 0.0);
    SoftLimit(signal, limiterThreshold);
    NormalisePeak(signal, kTargetPeakDecibels);
    FadeEdges(signal, kFadeInSeconds, kFadeOutSeconds);
}

}  // namespace sounds
