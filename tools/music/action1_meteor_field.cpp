// Level 1, the meteorite field: E minor at 150 beats a minute. A sawtooth lead over a galloping
// synth bass and a polysynth arpeggio, a floating half-time bridge among the rocks, then the
// theme a tone higher for the climax.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

// A call that leaps to the octave, an answer that climbs, the call again, a close on the tonic.
constexpr const char *kTheme =
    "1e 1e 5e 1e +1q> 7e 5e | 6q. 5e 3q 5q | 5e 5e 7e +1e +2q.> 7e | +1q 7e 6e 7h | "
    "1e 1e 5e 1e +1q> 7e +2e | +3q. +2e +1q 7q | 6e 5e 4e 6e 7#q.> 5e | 1h rq 5e 7e";
constexpr const char *kThemeChords = "1 | 6 | 3 | 7 | 1 | 6 | 4 5M | 1";

// Higher and longer notes, rising towards the dominant.
constexpr const char *kSoar =
    "+1q. 7e +1q +3q | +2h. 7q | +3q. +2e +3q +5q> | +4h. rq | "
    "+3e +4e +3e +2e +1q 6q | +2e +3e +2e +1e 7q 5q | 6e 7e +1e +2e +3q> +2q | 7#q +2q 5h";
constexpr const char *kSoarChords = "4 | 5 | 6 | 7 | 4 | 5 | 6 7 | 5M";

// Answers the theme in the bars where it holds still.
constexpr const char *kEcho =
    "rw | rh 5e 6e 5q | rw | rh 4e 5e 4e 2e | rw | rh 5e 6e 7q | rw | rh 1e 2e 3e 5e";

constexpr const char *kDrift = "3h. 4q | 2w | 1h. 2e 3e | 5w | 6h. 5q | 4h. 2q | 3h 1h | 7#w";
constexpr const char *kDriftChords = "6 | 7 | 1 | 1 | 6 | 7 | 4 | 5M";

const Groove kPulse{
    {drum::kBassDrum, "X... X... X... X..."},
    {drum::kClosedHiHat, "..x. ..x. ..x. ..x."},
};
const Groove kDrive{
    {drum::kBassDrum, "X... X... X... X.o."},
    {drum::kSnare, ".... X... .... X..."},
    {drum::kClosedHiHat, "xox. xox. xox. xox."},
    {drum::kOpenHiHat, "...x ...x ...x ...x"},
};
const Groove kHalfTime{
    {drum::kBassDrum, "X... .... ..x. ...."},
    {drum::kSnare, ".... .... X... ...."},
    {drum::kRideCymbal, "x.x. x.x. x.x. x.x."},
};
const Groove kFill{
    {drum::kBassDrum, "X... ...."},
    {drum::kSnare, "Xoxo ...."},
    {drum::kHighTom, ".... xx.."},
    {drum::kLowTom, ".... ..XX"},
};
const Groove kRiseFill{
    {drum::kBassDrum, "X... X... X... X..."},
    {drum::kSnare, "x.x. x.x. xxxx rrrr"},
};

constexpr const char *kGallop = "0.03 0.03 0.03 0.03";
constexpr const char *kEighths = "0.0. 0.0. 0.0. 3.2.";
constexpr const char *kSparkle = "0123 2123 0123 2123";
constexpr const char *kWhole = "*--- ---- ---- ----";

}  // namespace

Song MeteorFieldTheme() {
    Song song("Meteor Drive", 150, Scale(kE, kAeolian));
    int lead = song.AddPart(
        {"Sawtooth lead", program::kSawtoothLead, 92, 64, 50, 100, 60, Voicing::Close, 0.85});
    int echo = song.AddPart(
        {"Square echo", program::kSquareLead, 76, 92, 70, 78, 60, Voicing::Close, 0.6});
    int arpeggio = song.AddPart(
        {"Polysynth arpeggio", program::kPolySynthPad, 78, 38, 60, 68, 64, Voicing::Close, 0.8});
    int pad =
        song.AddPart({"Sweep pad", program::kSweepPad, 80, 64, 80, 58, 55, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Synth bass", program::kSynthBass1, 96, 64, 20, 92, 33, Voicing::RootPosition, 0.7});
    song.AddDrums({"Drums", 0, 100, 64, 40, 100});

    song.AddSection("Intro", 4, "1 | 6 | 3 | 7", {60, 82})
        .Figure(arpeggio, kSparkle)
        .Figure(pad, kWhole)
        .Figure(bass, kEighths, {.firstBar = 2})
        .Melody(echo, "5e 5e 7e +1e +2q. 7e | +1q 7e 6e 7h", 4, {.bar = 2})
        .Drums(kPulse, kFill);
    song.AddSection("Theme", 8, kThemeChords, {84, 90})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Figure(arpeggio, kSparkle)
        .Figure(pad, kWhole)
        .Figure(bass, kGallop)
        .Drums(kDrive, kFill);
    song.AddSection("Theme with echo", 8, kThemeChords, {88, 94})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(echo, kEcho, 5)
        .Figure(arpeggio, kSparkle)
        .Figure(pad, kWhole)
        .Figure(bass, kGallop)
        .Drums(kDrive, kFill);
    song.AddSection("Soar", 8, kSoarChords, {90, 98})
        .Crash()
        .Melody(lead, kSoar, 4)
        .Figure(arpeggio, kSparkle)
        .Figure(pad, kWhole)
        .Figure(bass, kEighths)
        .Drums(kDrive, kFill);
    song.AddSection("Drift", 8, kDriftChords, {68, 84})
        .Melody(lead, kDrift, 4)
        .Figure(arpeggio, "0-1- 2-3- 2-1- 2-3-")
        .Figure(pad, kWhole)
        .Figure(bass, "0--- ---- 0--- 2---")
        .Drums(kHalfTime, kRiseFill);

    song.ChangeKey(Scale(kFSharp, kAeolian));
    song.AddSection("Theme a tone higher", 8, kThemeChords, {96, 100})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(echo, kTheme, 5)
        .Figure(arpeggio, kSparkle)
        .Figure(pad, kWhole)
        .Figure(bass, kGallop)
        .Drums(kDrive, kFill);
    song.AddSection("Soar a tone higher", 8, kSoarChords, {98, 104})
        .Crash()
        .Melody(lead, kSoar, 4)
        .Melody(echo, kEcho, 5)
        .Figure(arpeggio, kSparkle)
        .Figure(pad, kWhole)
        .Figure(bass, kEighths)
        .Drums(kDrive, kFill);
    song.AddSection("Close", 4, "1 | 6 | 7 | 1", {100, 88})
        .Crash()
        .Melody(lead, "1e 1e 5e 1e +1q> 7e 5e | 6h. 5q | 7h +2h | +1h> rh", 4)
        .Figure(arpeggio, kSparkle, {.barCount = 3})
        .Figure(arpeggio, "3--- ---- .... ....", {.firstBar = 3})
        .Figure(pad, kWhole, {.barCount = 3})
        .Figure(pad, "*--- ---- .... ....", {.firstBar = 3})
        .Figure(bass, kGallop, {.barCount = 3})
        .Figure(bass, "0--- ---- .... ....", {.firstBar = 3})
        .Drums({{drum::kBassDrum, "X... X... X... X..."},
                {drum::kSnare, ".... X... .... X..."},
                {drum::kClosedHiHat, "xox. xox. xox. xox."}},
               {{drum::kBassDrum, "X... .... .... ...."},
                {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
