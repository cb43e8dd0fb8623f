// Sound buffers: lengths, times, mixing and scaling.
#include "signal.h"

#include <algorithm>
#include <cmath>

namespace sounds {

std::size_t SamplesFor(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double SecondsOf(const Signal &signal) {
    return static_cast<double>(signal.size()) / kSampleRate;
}

double TimeOf(std::size_t sample) {
    return static_cast<double>(sample) / kSampleRate;
}

Signal Silence(double seconds) {
    return Signal(SamplesFor(seconds), 0.0);
}

void MixInto(Signal &target, const Signal &source, double startSeconds, double gain) {
    std::size_t start = SamplesFor(startSeconds);
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += gain * source[i];
}

Signal Multiply(const Signal &first, const Signal &second) {
    Signal product(std::min(first.size(), second.size()));
    for (std::size_t i = 0; i < product.size(); ++i) product[i] = first[i] * second[i];
    return product;
}

void Scale(Signal &signal, double gain) {
    for (double &sample : signal) sample *= gain;
}

Signal Concatenate(Signal first, const Signal &second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace sounds
