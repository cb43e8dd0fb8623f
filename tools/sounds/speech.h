// Spoken words from the espeak-ng speech synthesiser, run as a child process.
#pragma once

#include <optional>
#include <string>

#include "signal.h"

namespace sounds {

struct Utterance {
    std::string text;
    // An espeak-ng voice name, with an optional "+variant".
    std::string voice = "en-us";
    // espeak-ng's 0..99 scale; 50 is the voice's own pitch.
    int pitch = 50;
    int wordsPerMinute = 175;
};

// The program that speaks, and the Debian package that brings it.
inline constexpr const char *kSpeechProgram = "espeak-ng";
inline constexpr const char *kSpeechPackage = "espeak-ng";

// The words as a signal at kSampleRate, or nothing when espeak-ng is not installed.
// Throws std::runtime_error when espeak-ng runs but fails.
std::optional<Signal> Speak(const Utterance &utterance);

// Cuts the quiet lead-in and tail: everything before the first and after the last sample that
// comes within thresholdDecibels of the peak.
Signal TrimSilence(const Signal &signal, double thresholdDecibels);

}  // namespace sounds
