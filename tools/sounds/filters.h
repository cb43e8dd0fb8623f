// Resonant filters whose cutoff may move sample by sample, for sweeps and whooshes.
#pragma once

#include "signal.h"

namespace sounds {

enum class FilterMode { LowPass, BandPass, HighPass };

// Q near 0.7 is flat; higher values ring at the cutoff. The band-pass has unit gain at its centre.
// Cutoffs are held below 45% of the sample rate, where the filter still behaves.
Signal Filter(const Signal &input, FilterMode mode, const Signal &cutoffs, double q);
Signal Filter(const Signal &input, FilterMode mode, double cutoff, double q);

}  // namespace sounds
