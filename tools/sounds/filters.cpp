// A state-variable filter in trapezoidal form: it stays stable while its cutoff is swept.
#include "filters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sounds {

Signal Filter(const Signal &input, FilterMode mode, const Signal &cutoffs, double q) {
    Signal output(std::min(input.size(), cutoffs.size()));
    double damping = 1 / q;
    double firstState = 0, secondState = 0;
    for (std::size_t i = 0; i < output.size(); ++i) {
        double cutoff = std::clamp(cutoffs[i], 1.0, 0.45 * kSampleRate);
        double g = std::tan(std::numbers::pi * cutoff / kSampleRate);
        double a1 = 1 / (1 + g * (g + damping));
        double a2 = g * a1;
        double a3 = g * a2;
        double v3 = input[i] - secondState;
        double band = a1 * firstState + a2 * v3;
        double low = secondState + a2 * firstState + a3 * v3;
        firstState = 2 * band - firstState;
        secondState = 2 * low - secondState;
        switch (mode) {
            case FilterMode::LowPass:
                output[i] = low;
                break;
            case FilterMode::BandPass:
                output[i] = damping * band;
                break;
            case FilterMode::HighPass:
                output[i] = input[i] - damping * band - low;
                break;
        }
    }
    return output;
}

Signal Filter(const Signal &input, FilterMode mode, double cutoff, double q) {
    return Filter(input, mode, Signal(input.size(), cutoff), q);
}

}  // namespace sounds
