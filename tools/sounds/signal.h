// Sound buffers: mono samples at the one rate every effect of the game is made at.
#pragma once

#include <cstddef>
#include <vector>

namespace sounds {

// The rate of every effect file; the game's mixer resamples nothing it does not have to.
constexpr int kSampleRate = 22050;

// Samples in full-scale units: 1.0 is the loudest a 16-bit file can hold.
using Signal = std::vector<double>;

std::size_t SamplesFor(double seconds);
double SecondsOf(const Signal &signal);
double TimeOf(std::size_t sample);
Signal Silence(double seconds);

// Adds source into target starting at the given time, lengthening target when source runs past.
void MixInto(Signal &target, const Signal &source, double startSeconds, double gain = 1.0);

// Multiplies sample by sample; the result is as long as the shorter of the two.
Signal Multiply(const Signal &first, const Signal &second);

void Scale(Signal &signal, double gain);

// The second signal played right after the first.
Signal Concatenate(Signal first, const Signal &second);

}  // namespace sounds
