// Level 4, the clouds: D major at 156 beats a minute, bright and soaring. A calliope lead with
// a flute descant, harp arpeggios rising and falling like wind through the clouds, strings
// underneath; the bridge lifts to the Lydian second, and the last chorus rises a tone.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

constexpr const char *kVerse =
    "5q +1e +2e +3q.> +2e | +1q 7e 6e 5h | 6q +1e +2e +3q.> +4e | +5h. rq | "
    "5q +1e +2e +3q.> +5e | +3q +2e +1e 7q 6q | +1q 7e 6e 7q 5q | +1h rq 5e 7e";
constexpr const char *kVerseChords = "1 | 5 | 6 | 4 | 1 | 5 | 4 5 | 1";

constexpr const char *kChorus =
    "+1e +2e +3e +5e> +5q. +3e | +2h. +1e 7e | +3q.> +2e +3q +5q | +6h. +5q | "
    "+1e +2e +3e +5e> +6q. +5e | +5q. +4#e +5h | ++1h.> +6e +5e | +5w";
constexpr const char *kChorusChords = "4 | 5 | 3 | 6 | 4 | 5 | 1 | 5";

// Under the chorus the flute holds chord tones, leaving the tune its own.
constexpr const char *kChorusHarmony = "6h 4h | 5h 7h | 7h 5h | 6w | 4h 6h | 7h +2h | +1h 5h | 7w";

// The flute answers where the calliope holds a long note.
constexpr const char *kVerseDescant =
    "rw | rh 5e 6e 7q | rw | rq 3e 4#e 5e 6e 5q | rw | rh 5e 6e 7q | rw | rh 3e 2e 1q";

constexpr const char *kHigh = "+1h. +2q | +3w | +4h. +3q | +2w | +1h 7h | 6h 5h | 6h +1h | +2w";
constexpr const char *kHighDescant = "5w | 4#w | 5w | 4#w | 3w | 3w | 2w | 2w";
constexpr const char *kHighChords = "4 | 2M | 4 | 2M | 6 | 3 | 4 | 5";

const Groove kDance{
    {drum::kBassDrum, "X... X... X... X..."},  {drum::kHandClap, ".... X... .... X..."},
    {drum::kSnare, ".... x... .... x..o"},     {drum::kClosedHiHat, "x... x... x... x..."},
    {drum::kOpenHiHat, "..x. ..x. ..x. ..x."},
};
const Groove kFloat{
    {drum::kBassDrum, "X... .... .... ...."},
    {drum::kRideCymbal, "x.o. x.o. x.o. x.o."},
    {drum::kSnare, ".... .... X... ...."},
};
const Groove kWakeUp{
    {drum::kBassDrum,
     ".... .... .... .... .... .... .... .... X... X... X... X... X... X... X... X..."},
};
const Groove kFill{
    {drum::kSnare, "x.x. xxX."},
    {drum::kHighMidTom, ".... ...x"},
    {drum::kBassDrum, "X... X..."},
};
const Groove kSweepFill{
    {drum::kSnare, "x... x... x.x. xxxx"},
    {drum::kBassDrum, "X... X... X... X..."},
    {drum::kSplashCymbal, ".... .... .... ...X"},
};

constexpr const char *kWind = "0123 4567 6543 2123";
constexpr const char *kHold = "*--- ---- ---- ----";
constexpr const char *kBounce = "0.0. 0.0. 0.0. 0.3.";

}  // namespace

Song CloudsTheme() {
    Song song("Above the Clouds", 156, Scale(kD, kIonian));
    int lead = song.AddPart(
        {"Calliope lead", program::kCalliopeLead, 100, 64, 55, 100, 60, Voicing::Close, 0.88});
    int flute = song.AddPart({"Flute", program::kFlute, 84, 90, 70, 90, 60, Voicing::Close, 0.92});
    int harp =
        song.AddPart({"Harp", program::kOrchestralHarp, 78, 36, 60, 62, 55, Voicing::Close, 0.95});
    int strings = song.AddPart(
        {"Strings", program::kStringEnsemble1, 64, 70, 70, 46, 55, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Fingered bass", program::kFingeredBass, 94, 64, 15, 92, 33, Voicing::RootPosition, 0.8});
    song.AddDrums({"Drums", 0, 96, 64, 40, 96});

    song.AddSection("Dawn", 4, "1 | 5 | 6 | 4", {58, 84})
        .Figure(harp, kWind)
        .Figure(strings, kHold, {.firstBar = 2})
        .Figure(bass, "0--- ---- 0--- ----", {.firstBar = 2})
        .Drums(kWakeUp, kFill);
    for (int round = 0; round < 2; ++round) {
        Section verse = song.AddSection("Verse", 8, kVerseChords, {84, 90});
        verse.Crash()
            .Melody(lead, kVerse, 4)
            .Figure(harp, kWind)
            .Figure(bass, kBounce)
            .Drums(kDance, kFill);
        if (round == 1) verse.Melody(flute, kVerseDescant, 5).Figure(strings, kHold);
        song.AddSection("Chorus", 8, kChorusChords, {92, 98})
            .Crash()
            .Melody(lead, kChorus, 4)
            .Melody(flute, kChorusHarmony, 4)
            .Figure(harp, kWind)
            .Figure(strings, kHold)
            .Figure(bass, "0.0. 0.0. 0.3. 0.3.")
            .Drums(kDance, round == 0 ? kFill : kSweepFill);
    }
    song.AddSection("High winds", 8, kHighChords, {76, 90})
        .Melody(lead, kHigh, 4)
        .Melody(flute, kHighDescant, 5)
        .Figure(harp, "0-1- 2-3- 4-3- 2-1-")
        .Figure(strings, kHold)
        .Figure(bass, "0--- ---- 0--- 2---")
        .Drums(kFloat, kSweepFill);

    song.ChangeKey(Scale(kE, kIonian));
    song.AddSection("Chorus a tone higher", 8, kChorusChords, {98, 102})
        .Crash()
        .Melody(lead, kChorus, 4)
        .Melody(flute, kChorusHarmony, 4)
        .Figure(harp, kWind)
        .Figure(strings, kHold)
        .Figure(bass, "0.0. 0.0. 0.3. 0.3.")
        .Drums(kDance, kFill);
    song.AddSection("Landing", 4, "1 | 4 | 5 | 1", {96, 86})
        .Crash()
        .Melody(lead, "5q +1e +2e +3q. +2e | +1q 7e 6e 5h | 4h 7h | +1h> rh", 4)
        .Figure(harp, kWind, {.barCount = 3})
        .Figure(harp, "0123 4567 ---- ....", {.firstBar = 3})
        .Figure(strings, kHold, {.barCount = 3})
        .Figure(strings, "*--- ---- .... ....", {.firstBar = 3})
        .Figure(bass, kBounce, {.barCount = 3})
        .Figure(bass, "0--- ---- .... ....", {.firstBar = 3})
        .Drums(kDance, {{drum::kBassDrum, "X... .... .... ...."},
                        {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
