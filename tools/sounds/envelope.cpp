// Envelopes: straight segments, strikes with exponential decay, and curving.
#include "envelope.h"

#include <algorithm>
#include <cmath>

namespace sounds {
namespace {

double LevelAt(const std::vector<Breakpoint> &points, double time) {
    if (points.empty()) return 0;
    if (time <= points.front().seconds) return points.front().level;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Breakpoint &from = points[i - 1];
        const Breakpoint &to = points[i];
        if (time <= to.seconds) {
            double span = to.seconds - from.seconds;
            double fraction = span > 0 ? (time - from.seconds) / span : 1;
            return from.level + (to.level - from.level) * fraction;
        }
    }
    return points.back().level;
}

}  // namespace

Signal LineEnvelope(const std::vector<Breakpoint> &points, double seconds) {
    Signal envelope(SamplesFor(seconds));
    for (std::size_t i = 0; i < envelope.size(); ++i) envelope[i] = LevelAt(points, TimeOf(i));
    return envelope;
}

Signal StrikeEnvelope(double attackSeconds, double decaySeconds, double seconds) {
    Signal envelope(SamplesFor(seconds));
    if (envelope.empty()) return envelope;
    double end = TimeOf(envelope.size() - 1);
    double taperStart = 0.9 * end;
    for (std::size_t i = 0; i < envelope.size(); ++i) {
        double time = TimeOf(i);
        double level = time < attackSeconds ? time / attackSeconds
                                            : std::exp(-(time - attackSeconds) / decaySeconds);
        if (time > taperStart) level *= (end - time) / (end - taperStart);
        envelope[i] = std::max(level, 0.0);
    }
    return envelope;
}

Signal Curved(Signal envelope, double power) {
    for (double &level : envelope) level = std::pow(std::max(level, 0.0), power);
    return envelope;
}

}  // namespace sounds
