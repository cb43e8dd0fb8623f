// Level measurements in full-scale units, and conversion to and from decibels.
#pragma once

#include "signal.h"

namespace sounds {

double Peak(const Signal &signal);
double Rms(const Signal &signal);
double Mean(const Signal &signal);

double GainFromDecibels(double decibels);
double DecibelsFromGain(double gain);

}  // namespace sounds
