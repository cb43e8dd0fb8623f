// Level 3, the volcano: C harmonic minor at 132 beats a minute, heavy. A galloping distorted
// riff, synth brass on the tune, a choir over it all and timpani like falling rock; a church
// organ rises in the bridge before the double-kick climax.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

constexpr const char *kRiff = "1e 1s 1s 1e 1s 1s 3e 2e 1e -7e | 1e 1s 1s 1e 1s 1s -6e -5e 2be 1e";

constexpr const char *kTheme =
    "5q.> 3e 1q 5q | 6q.> 5e 3h | 4e 5e 6e +1e 6q 4q | 5h 7q +2q | "
    "+3q.> +2e +1q 5q | 6q +1q +3q +1q | +1e 6e 4e 6e 7q +2q | +1h.> rq";
constexpr const char *kThemeChords = "1 | 6 | 4 | 5 | 1 | 6 | 4 5 | 1";

// Hammered repeated notes that climb, like pressure building under the crust.
constexpr const char *kFury =
    "+1e> +1e +1e +3e +1q 6q | 7e> 7e 7e +2e 7h | +1e +3e +5e +3e +1q 5q | +3h +2h | "
    "+3e> +3e +3e +4e +3q +1q | +2e> +2e +2e +3e +2q 7q | +1q 6q 4q 6q | 7h +2h>";
constexpr const char *kFuryChords = "6 | 5 | 1 | 1 | 6 | 5 | 4 | 5";

constexpr const char *kLament = "+1w | 6w | 5h +1h | 7w | +3w | +1h 6h | 4h 6h | 7h 5h";
constexpr const char *kLamentChords = "6 | 4 | 1 | 5 | 6 | 4 | 2 | 5";

constexpr const char *kRumble =
    "1q rq rq 1e 1e | 1q rq rh | -6q rq rq -6e -6e | "
    "-5s -5s -5s -5s -5s -5s -5s -5s -5s -5s -5s -5s -5q>";

const Groove kHeavy{
    {drum::kBassDrum, "X.x. ..x. X.x. ..x."},
    {drum::kSnare, ".... X... .... X..."},
    {drum::kClosedHiHat, "x.x. x.x. x.x. x.x."},
};
const Groove kDoubleKick{
    {drum::kBassDrum, "xoxo xoxo xoxo xoxo"},
    {drum::kSnare, ".... X... .... X..."},
    {drum::kChineseCymbal, "x... x... x... x..."},
};
const Groove kHalfTime{
    {drum::kBassDrum, "X... .... X.x. ...."},
    {drum::kSnare, ".... .... X... ...."},
    {drum::kRideCymbal, "x.x. x.x. x.x. x.x."},
};
const Groove kFill{
    {drum::kBassDrum, "X... X..."},    {drum::kHighTom, "xx.. ...."},
    {drum::kHighMidTom, "..xx ...."},  {drum::kLowTom, ".... xx.."},
    {drum::kLowFloorTom, ".... ..XX"},
};

constexpr const char *kGallop = "*.** *.** *.** *.**";
constexpr const char *kBassGallop = "0.00 0.00 0.00 0.00";
constexpr const char *kHold = "*--- ---- ---- ----";

}  // namespace

Song VolcanoTheme() {
    Song song("Magma Core", 132, Scale(kC, kHarmonicMinor));
    int lead = song.AddPart(
        {"Synth brass", program::kSynthBrass1, 100, 64, 45, 100, 60, Voicing::Close, 0.9});
    int guitar = song.AddPart(
        {"Distorted guitar", program::kDistortionGuitar, 82, 40, 25, 74, 40, Voicing::Power, 0.75});
    int choir =
        song.AddPart({"Choir", program::kChoirAahs, 80, 84, 70, 64, 55, Voicing::Close, 1.0});
    int organ = song.AddPart(
        {"Church organ", program::kChurchOrgan, 74, 64, 70, 56, 48, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Picked bass", program::kPickedBass, 96, 64, 15, 92, 28, Voicing::RootPosition, 0.75});
    int timpani = song.AddPart(
        {"Timpani", program::kTimpani, 88, 96, 60, 96, 36, Voicing::RootPosition, 0.95});
    song.AddDrums({"Drums", 0, 100, 64, 35, 100});

    song.AddSection("Rumble", 4, "1 | 1 | 6 | 5", {56, 92})
        .Melody(timpani, kRumble, 3)
        .Figure(choir, kHold)
        .Figure(bass, "0--- ---- ---- ----");
    song.AddSection("Riff", 4, "1p", {92, 96})
        .Crash()
        .Melody(guitar, kRiff, 3)
        .Melody(guitar, kRiff, 3, {.bar = 2})
        .Melody(bass, kRiff, 2)
        .Melody(bass, kRiff, 2, {.bar = 2})
        .Drums(kHeavy, kFill);
    song.AddSection("Theme", 8, kThemeChords, {86, 92})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Figure(guitar, kGallop)
        .Figure(choir, kHold)
        .Figure(bass, kBassGallop)
        .Melody(timpani, "1q rq rh | rw | rw | 5q rq rh", 3, {.bar = 0})
        .Drums(kHeavy, kFill);
    song.AddSection("Fury", 8, kFuryChords, {92, 100})
        .Crash()
        .Melody(lead, kFury, 4)
        .Figure(guitar, "*-*- *-*- *-*- *-*-")
        .Figure(choir, kHold)
        .Figure(bass, "0.0. 0.0. 0.0. 0.0.")
        .Drums(kHeavy, kFill);
    song.AddSection("Riff again", 4, "1p", {94, 98})
        .Crash()
        .Melody(guitar, kRiff, 3)
        .Melody(guitar, kRiff, 3, {.bar = 2})
        .Melody(bass, kRiff, 2)
        .Melody(bass, kRiff, 2, {.bar = 2})
        .Melody(timpani, "1q rq rh | rw | 1q rq rh | -5q -5q -5q -5q>", 3)
        .Drums(kHeavy, kFill);
    song.AddSection("Theme and choir", 8, kThemeChords, {90, 96})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(choir, kTheme, 3)
        .Figure(guitar, kGallop)
        .Figure(bass, kBassGallop)
        .Drums(kHeavy, kFill);
    song.AddSection("Lament", 8, kLamentChords, {70, 88})
        .Melody(lead, kLament, 4)
        .Figure(organ, kHold)
        .Figure(choir, kHold)
        .Figure(bass, "0--- ---- 0--- ----")
        .Melody(timpani, "1h rh | rw | 1h rh | 5q rq 5q 5q", 3, {.bar = 4})
        .Drums(kHalfTime,
               {{drum::kSnare, "x.x. x.x. xxxx rrrr"}, {drum::kBassDrum, "X... X... X... X..."}});
    song.AddSection("Eruption", 8, kThemeChords, {100, 106})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(guitar, kTheme, 3)
        .Figure(organ, kHold)
        .Figure(choir, kHold)
        .Figure(bass, kBassGallop)
        .Drums(kDoubleKick, kFill);
    song.AddSection("Last riff", 2, "1p", {104, 100})
        .Crash()
        .Melody(guitar, "1e 1s 1s 1e 1s 1s 3e 2e 1e -7e | 1h> rh", 3)
        .Melody(bass, "1e 1s 1s 1e 1s 1s 3e 2e 1e -7e | 1h> rh", 2)
        .Melody(timpani, "rw | 1h> rh", 3)
        .Figure(organ, "*--- ---- ---- ---- *--- ---- .... ....")
        .Figure(choir, "*--- ---- ---- ---- *--- ---- .... ....")
        .Drums(kHeavy, {{drum::kBassDrum, "X... .... .... ...."},
                        {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
