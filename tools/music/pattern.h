// Rhythm on a grid of sixteenths: figures that play chord tones, and drum grooves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace music {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerStep = kTicksPerQuarter / 4;
inline constexpr int kStepsPerBar = 16;
inline constexpr int kTicksPerBar = kTicksPerStep * kStepsPerBar;

// One sixteenth of a figure.
struct FigureStep {
    enum class Kind { Rest, Hold, Tone, WholeChord };
    Kind kind = Kind::Rest;
    int tone = 0;  // for Tone: the chord tone index (see ChordTone)
};

// A figure has one character a sixteenth, spaces ignored, a whole number of bars long:
// "." rest, "-" keep the note before sounding, "0".."9" a chord tone, "*" the whole chord.
// Example, a bass of roots and octaves in eighths: "0.3. 0.3. 0.3. 0.3.".
std::vector<FigureStep> ParseFigure(std::string_view pattern);

// One drum of a groove: one character a sixteenth, spaces ignored, "." silent, "o" ghost
// stroke, "x" stroke, "X" accent, "r" two thirty-seconds (a roll).
struct DrumLane {
    int key;
    std::string pattern;
};
using Groove = std::vector<DrumLane>;

struct DrumStroke {
    int step;
    int key;
    double strength;  // 1.0 for a plain stroke
    bool roll;
};

struct ParsedGroove {
    int steps = 0;  // every lane is this long
    std::vector<DrumStroke> strokes;
};

ParsedGroove ParseGroove(const Groove &groove);

// The text written times times over, to spell out grooves that change over several bars.
std::string Repeat(std::string_view text, int times);

}  // namespace music
