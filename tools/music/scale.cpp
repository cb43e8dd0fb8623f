// Keys and modes: scale degrees turned into MIDI keys.
#include "scale.h"

namespace music {
namespace {

// Integer division rounding towards minus infinity, so degree 0 lies in the octave below.
int FloorDivide(int value, int divisor) {
    int quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

int Scale::Key(int degree, int octave) const {
    int fromTonic = degree - 1;
    int octaves = FloorDivide(fromTonic, 7);
    int step = fromTonic - 7 * octaves;
    return 12 * (octave + 1 + octaves) + tonic_ + mode_[step];
}

int Scale::PitchClassOf(int degree) const {
    return Key(degree, 0) % 12;
}

}  // namespace music
