// Chords named by scale degree, progressions of them, and chords voiced for an instrument.
#pragma once

#include <string_view>
#include <vector>

#include "scale.h"

namespace music {

struct Chord {
    // Stacked from the root upwards: root, third, fifth, then any seventh.
    std::vector<int> pitchClasses;
    int bassPitchClass = 0;
};

// A symbol is a scale degree 1..7 followed by any of: "7" adds the seventh, "s4" or "s2"
// suspends the third, "p" keeps root and fifth only, "M" or "m" forces a major or minor
// third, "/n" puts degree n in the bass. Example: "5M7" is the dominant seventh in minor.
Chord ChordOf(const Scale &scale, std::string_view symbol);

struct ChordSpan {
    int firstStep;  // sixteenths from the start of the section
    int steps;
    Chord chord;
};

// Bars separated by "|"; the chords within a bar share it equally. The bars given repeat until
// barCount bars are filled. Example: "1 | 6 | 4 5M | 1".
std::vector<ChordSpan> Progression(const Scale &scale, std::string_view text, int barCount);

enum class Voicing {
    Close,         // every chord tone at its lowest key from the part's lowest key up
    RootPosition,  // the bass note lowest, the other tones above it
    Power,         // root, fifth and octave, for distorted guitars
};

// The chord's keys, lowest first, voiced upwards from lowestKey.
std::vector<int> Voice(const Chord &chord, Voicing voicing, int lowestKey);

// Tone index counts upwards through the voiced keys and on into higher octaves: for a triad,
// 0 root, 1 third, 2 fifth, 3 the root an octave up.
int ChordTone(const std::vector<int> &voiced, int index);

}  // namespace music
