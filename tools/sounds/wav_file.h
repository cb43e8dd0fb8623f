// WAV files as the game plays them: RIFF/WAVE, 16-bit PCM, mono, 22050 Hz, little-endian.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "signal.h"

namespace sounds {

// Full scale to 16-bit: rounded to the nearest step, anything beyond full scale held at the limit.
std::vector<int16_t> ToPcm16(const Signal &signal);

// Writes the whole file through a temporary one, so a failed write leaves no half file behind.
// Throws std::runtime_error when the file cannot be written.
void WriteWav(const std::filesystem::path &path, const Signal &signal);

// Reads a 16-bit PCM mono file at kSampleRate, skipping chunks other than "fmt " and "data".
// Throws std::runtime_error for anything else or a damaged file.
Signal ReadWav(const std::filesystem::path &path);

}  // namespace sounds
