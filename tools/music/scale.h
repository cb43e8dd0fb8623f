// Keys and modes: scale degrees turned into MIDI keys.
#pragma once

#include <array>

namespace music {

// Pitch classes, C = 0; the key number of C4 (middle C) is 60.
enum PitchClass : int {
    kC = 0,
    kCSharp = 1,
    kD = 2,
    kEFlat = 3,
    kE = 4,
    kF = 5,
    kFSharp = 6,
    kG = 7,
    kAFlat = 8,
    kA = 9,
    kBFlat = 10,
    kB = 11,
};

// The semitones of the seven degrees above the tonic.
using Mode = std::array<int, 7>;

inline constexpr Mode kIonian{0, 2, 4, 5, 7, 9, 11};
inline constexpr Mode kDorian{0, 2, 3, 5, 7, 9, 10};
inline constexpr Mode kPhrygian{0, 1, 3, 5, 7, 8, 10};
inline constexpr Mode kLydian{0, 2, 4, 6, 7, 9, 11};
inline constexpr Mode kMixolydian{0, 2, 4, 5, 7, 9, 10};
inline constexpr Mode kAeolian{0, 2, 3, 5, 7, 8, 10};
inline constexpr Mode kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};
// The Phrygian with a major third: the sound of the desert in countless film scores.
inline constexpr Mode kPhrygianDominant{0, 1, 4, 5, 7, 8, 10};

class Scale {
  public:
    Scale(PitchClass tonic, Mode mode) : tonic_(tonic), mode_(mode) {}

    // Degree 1 is the tonic in the given octave (octave 4 holds middle C); degrees above 7 or
    // below 1 carry on into the neighbouring octaves.
    int Key(int degree, int octave) const;
    int PitchClassOf(int degree) const;

  private:
    PitchClass tonic_;
    Mode mode_;
};

}  // namespace music
