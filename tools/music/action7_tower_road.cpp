// Level 7, the tower road: G minor at 168 beats a minute, fast and tense. Pizzicato strings tick
// like a clock, a charang lead runs ahead, and the music keeps climbing: a long build-up with a
// tightening snare, a rising sequence, then the climax a tone higher with brass stabs.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

constexpr const char *kTheme =
    "1e 2e 3e 5e 4q> 3e 2e | 3q. 2e 1q -6q | -7e 1e 2e 4e 3q> 2e 1e | 2h -7#q 2q | "
    "5e 6e 5e 4e 3q 5q> | 6q. 5e 3q 1q | 4e 6e 5e 4e 3q 4q | 2h.> rq";
constexpr const char *kThemeChords = "1 | 6 | 7 | 5M | 1 | 6 | 4 | 5M";

// Syncopated repeated notes, pushing against the beat.
constexpr const char *kPush =
    "+1e> +1q +1e +3q +1q | 7e> 7q 7e +2q 7q | +1e> +1q +1e +3q +5q | +4h +3h | "
    "+3e> +3q +3e +2q +1q | +2e> +2q +2e +1q 7q | 7#h +2h | +2e +1e 7#e 6e 7#h>";
constexpr const char *kPushChords = "6 | 7 | 1 | 1 | 6 | 7 | 5M | 5M";

// Whole notes climbing a step a bar while everything else tightens.
constexpr const char *kAscent = "1w | 2w | 3w | 4w | 5w | 6w | 7#w | 7#h +2h>";
constexpr const char *kAscentChords = "1 | 1 | 6 | 6 | 7 | 7 | 5M | 5M";

// One arpeggio shape taken up through the chords, bar after bar.
constexpr const char *kSequence =
    "4e 6e +1e 6e 4q +1q | 6e 5e 4e 5e 6h | 5e 7#e +2e 7#e 5q +2q | 7#e 6e 5e 6e 7#h | "
    "6e +1e +3e +1e 6q +3q | +1e 7e 6e 7e +1h | 7e +2e +4e +2e 7q +4q | +2e +1e 7#e +1e +2h>";
constexpr const char *kSequenceChords = "4 | 4 | 5M | 5M | 6 | 6 | 7 | 5M";

const Groove kTick{
    {drum::kClosedHiHat, "x.o. x.o. x.o. x.o."},
    {drum::kSideStick, ".... x... .... x..."},
};
const Groove kRun{
    {drum::kBassDrum, "X..x ..x. X..x ..x."},
    {drum::kSnare, ".... X... .... X..."},
    {drum::kClosedHiHat, "xoxo xoxo xoxo xoxo"},
};
const Groove kStorm{
    {drum::kBassDrum, "X.x. X.x. X.x. X.x."},
    {drum::kSnare, ".... X... .... X..o"},
    {drum::kRideBell, "x.x. x.x. x.x. x.x."},
};
const Groove kFill{
    {drum::kSnare, "xxXx xxXX"},
    {drum::kHighTom, ".... x..."},
    {drum::kBassDrum, "X... X..."},
};
const Groove kRollFill{
    {drum::kSnare, "xxxx xxxx rrrr rrrr"},
    {drum::kBassDrum, "X... X... X... X..."},
};
const Groove kTightening{
    {drum::kBassDrum, Repeat("X... X... X... X... ", 8)},
    {drum::kSnare, Repeat("x... .... x... .... ", 2) + Repeat("x... x... x... x... ", 2) +
                       Repeat("x.x. x.x. x.x. x.x. ", 2) +
                       "xxxx xxxx xxxx xxxx rrrr rrrr rrrr rrrr"},
    {drum::kClosedHiHat, Repeat("x.x. x.x. x.x. x.x. ", 8)},
};

// Timpani strokes closing in: halves, quarters, eighths, then a roll.
constexpr const char *kGathering =
    "1q rq rh | 1q rq 1q rq | 1q 1q 1q 1q | 5s 5s 5s 5s 5s 5s 5s 5s 5h>";

constexpr const char *kClock = "0.2. 3.2. 0.2. 3.2.";
constexpr const char *kRace = "0232 0232 0232 0232";
constexpr const char *kHold = "*--- ---- ---- ----";
constexpr const char *kEighths = "0.0. 0.0. 0.0. 0.0.";
constexpr const char *kStabs = "*..* ..*. .... *...";

}  // namespace

Song TowerRoadTheme() {
    Song song("The Long Climb", 168, Scale(kG, kAeolian));
    int lead = song.AddPart(
        {"Charang lead", program::kCharangLead, 100, 64, 45, 100, 60, Voicing::Close, 0.85});
    int pizzicato = song.AddPart(
        {"Pizzicato strings", program::kPizzicatoStrings, 90, 40, 50, 86, 55, Voicing::Close, 0.6});
    int strings = song.AddPart(
        {"Strings", program::kStringEnsemble1, 62, 84, 70, 48, 50, Voicing::Close, 1.0});
    int brass =
        song.AddPart({"Brass", program::kBrassSection, 96, 76, 50, 96, 55, Voicing::Close, 0.7});
    int bass = song.AddPart(
        {"Synth bass", program::kSynthBass2, 94, 64, 15, 90, 31, Voicing::RootPosition, 0.7});
    int timpani = song.AddPart(
        {"Timpani", program::kTimpani, 86, 100, 60, 94, 36, Voicing::RootPosition, 0.95});
    song.AddDrums({"Drums", 0, 98, 64, 35, 98});

    song.AddSection("Gate", 4, "1", {64, 80})
        .Figure(pizzicato, kClock)
        .Figure(bass, kEighths, {.firstBar = 2})
        .Drums(kTick, kFill);
    song.AddSection("Ascent", 8, kAscentChords, {66, 100})
        .Melody(strings, kAscent, 4)
        .Figure(pizzicato, kClock)
        .Figure(bass, kEighths)
        .Melody(timpani, kGathering, 3, {.bar = 4})
        .Drums(kTightening);
    song.AddSection("Theme", 8, kThemeChords, {88, 94})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Figure(pizzicato, kClock)
        .Figure(strings, kHold)
        .Figure(bass, kEighths)
        .Drums(kRun, kFill);
    song.AddSection("Push", 8, kPushChords, {92, 98})
        .Crash()
        .Melody(lead, kPush, 4)
        .Figure(pizzicato, kRace)
        .Figure(strings, kHold)
        .Figure(bass, kEighths)
        .Drums(kRun, kFill);
    song.AddSection("Theme again", 8, kThemeChords, {90, 96})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(strings, kTheme, 3)
        .Figure(pizzicato, kClock)
        .Figure(bass, kEighths)
        .Drums(kRun, kFill);
    song.AddSection("Sequence", 8, kSequenceChords, {84, 104})
        .Melody(lead, kSequence, 4)
        .Figure(pizzicato, kRace)
        .Figure(strings, kHold)
        .Figure(bass, "0.00 0.00 0.00 0.00")
        .Melody(timpani, kGathering, 3, {.bar = 4})
        .Drums(kRun, kRollFill);

    song.ChangeKey(Scale(kA, kAeolian));
    song.AddSection("Theme a tone higher", 8, kThemeChords, {98, 102})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Figure(brass, kStabs)
        .Figure(pizzicato, kRace)
        .Figure(strings, kHold)
        .Figure(bass, "0.00 0.00 0.00 0.00")
        .Drums(kStorm, kFill);
    song.AddSection("Push a tone higher", 8, kPushChords, {100, 106})
        .Crash()
        .Melody(lead, kPush, 4)
        .Figure(brass, kStabs)
        .Figure(pizzicato, kRace)
        .Figure(strings, kHold)
        .Figure(bass, "0.00 0.00 0.00 0.00")
        .Drums(kStorm, kFill);
    song.AddSection("Summit", 4, "1 | 6 | 5M | 1", {102, 92})
        .Crash()
        .Melody(lead, "1e 2e 3e 5e 4q> 3e 2e | 3q. 2e 1q -6q | -7#h 2h | 1h> rh", 4)
        .Figure(brass, kStabs, {.barCount = 3})
        .Figure(brass, "*--- ---- .... ....", {.firstBar = 3})
        .Figure(pizzicato, kRace, {.barCount = 3})
        .Figure(strings, kHold, {.barCount = 3})
        .Figure(strings, "*--- ---- .... ....", {.firstBar = 3})
        .Figure(bass, kEighths, {.barCount = 3})
        .Figure(bass, "0--- ---- .... ....", {.firstBar = 3})
        .Melody(timpani, "rw | rw | 5s 5s 5s 5s 5s 5s 5s 5s 5h | 1h> rh", 3)
        .Drums(kStorm, {{drum::kBassDrum, "X... .... .... ...."},
                        {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
