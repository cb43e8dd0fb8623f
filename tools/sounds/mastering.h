// The last steps before a sound is written: no DC, a gentle limit, the target peak, clean edges.
#pragma once

#include "signal.h"

namespace sounds {

// Every effect peaks here: loud, with a little room for the mixer's rounding.
constexpr double kTargetPeakDecibels = -1.0;

// A high-pass at 20 Hz: below hearing, but it keeps the waveform centred on zero.
void RemoveDcOffset(Signal &signal);

// Half-cosine fades at both ends, so playback starts and stops without a click.
void FadeEdges(Signal &signal, double fadeInSeconds, double fadeOutSeconds);

// DC removal, soft limiting above limiterThreshold (a fraction of the peak), the peak set to
// kTargetPeakDecibels, then short edge fades.
void Master(Signal &signal, double limiterThreshold = 0.7);

}  // namespace sounds
