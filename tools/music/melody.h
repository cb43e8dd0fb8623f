// Melodies written as text in scale degrees, turned into timed notes.
#pragma once

#include <string_view>
#include <vector>

#include "scale.h"

namespace music {

struct MelodyNote {
    int start;   // ticks from the start of the line
    int length;  // written length in ticks
    int key;
    bool accent;
    bool legato;
};

struct MelodyLine {
    std::vector<MelodyNote> notes;
    int length = 0;  // ticks, rests included
};

// A line is a list of tokens separated by spaces:
//   note   [+|-]... degree [#|b] duration [>] [~]
//   rest   r duration
//   "|"    a bar line: the line must be on a bar boundary here, which catches miscounted bars
// The degree is 1..9 (8 and 9 are the octave's tonic and second); each "+" or "-" moves an
// octave; "#" and "b" raise or lower a semitone. The duration is s, e, q, h or w (sixteenth to
// whole), optionally dotted "." and optionally a triplet "t"; "_" ties on another duration.
// ">" accents the note and "~" holds it for its full length.
// Example: "5e 5e +1q. 7e 6q | 6h~ 5h>", two bars.
// degreeShift moves every note along the scale, to repeat a motif a step higher or lower.
MelodyLine ParseMelody(std::string_view line, const Scale &scale, int octave, int degreeShift);

}  // namespace music
