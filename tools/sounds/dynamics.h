// Level shaping: saturation for grit, a soft limiter for peaks, and peak normalising.
#pragma once

#include "signal.h"

namespace sounds {

// tanh drive, scaled so that full scale stays full scale: more drive, more grit.
void Saturate(Signal &signal, double drive);

// Leaves samples up to threshold alone and bends louder ones smoothly towards full scale, which
// they never reach; the curve has no corner at the threshold, so it adds no harsh edges.
void SoftLimit(Signal &signal, double threshold);

// Scales the whole signal so its peak sits at the given level. A silent signal stays silent.
void NormalisePeak(Signal &signal, double peakDecibels);

}  // namespace sounds
