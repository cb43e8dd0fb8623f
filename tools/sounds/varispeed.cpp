// Varispeed by cubic (Catmull-Rom) interpolation: smoother than straight lines, so fewer
// whistles from the steps between samples.
#include "varispeed.h"

#include <cmath>

namespace sounds {
namespace {

double At(const Signal &signal, std::ptrdiff_t index) {
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(signal.size())) return 0;
    return signal[static_cast<std::size_t>(index)];
}

double CubicAt(const Signal &signal, double position) {
    std::ptrdiff_t index = static_cast<std::ptrdiff_t>(std::floor(position));
    double t = position - static_cast<double>(index);
    double before = At(signal, index - 1);
    double here = At(signal, index);
    double next = At(signal, index + 1);
    double after = At(signal, index + 2);
    return here + 0.5 * t *
                      (next - before +
                       t * (2 * before - 5 * here + 4 * next - after +
                            t * (3 * (here - next) + after - before)));
}

}  // namespace

Signal ChangeSpeed(const Signal &input, double speed) {
    std::size_t length = static_cast<std::size_t>(static_cast<double>(input.size()) / speed);
    Signal output(length);
    for (std::size_t i = 0; i < length; ++i) {
        output[i] = CubicAt(input, static_cast<double>(i) * speed);
    }
    return output;
}

}  // namespace sounds
