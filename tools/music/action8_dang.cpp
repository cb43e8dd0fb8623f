// Level 8, inside the giant computer against Dang: D harmonic minor at 164 beats a minute, dark
// and relentless. A sixteenth-note bass ostinato, a biting synth lead, choir and church organ,
// orchestra hits; a cold bridge of square-wave arpeggios, then the climax speeds up to 172.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

// The leading note below the tonic and the octave leap give the theme its mechanical menace.
constexpr const char *kTheme =
    "1e 1e +1e> 1e -7e 1e 5q | 6q.> 5e 4e 3e 4q | 4e 4e +4e> 4e 3e 4e 6q | 5h 7q +2q | "
    "+1e +1e +3e> +1e 7e +1e 5q | 6q.> +1e 6q 4q | 4e 3e 2e 4e 7q 5q | 1h.> rq";
constexpr const char *kThemeChords = "1 | 6 | 4 | 5 | 1 | 6 | 2 5 | 1";

constexpr const char *kAssault =
    "+3s> +2s +1s 7s +1e 6e +3q +1q | +4q.> +3e +2q 7q | +2e> +1e 7e +1e +2q +5q | +3h. +1q | "
    "+6s> +5s +4s +3s +4e +3e +6q +4q | +5q.> +4e +3q +2q | +2e +3e +4e +2e 7q +2q | 5h 7h>";
constexpr const char *kAssaultChords = "6 | 4 | 5 | 1 | 6 | 4 | 2 | 5";

// The strings answer the theme's held notes with a falling line.
constexpr const char *kAnswer =
    "rw | rh 3e 2e 1q | rw | rh 3e 2e -7q | rw | rh 3e 2e 1q | rw | rh 5e 4e 3e 2e";

constexpr const char *kCircuitLine = "5w | 5h 6h | 4w | 3w | 2w | 4w | 7w | 5w";
constexpr const char *kCircuitChords = "1 | 1 | 6 | 6 | 4 | 4 | 5 | 5";

const Groove kMachine{
    {drum::kBassDrum, "X..x ..x. X..x ..x."},
    {drum::kSnare, ".... X... .... X..."},
    {drum::kClosedHiHat, "xoxo xoxo xoxo xoxo"},
};
const Groove kOverdrive{
    {drum::kBassDrum, "xoxo xoxo xoxo xoxo"},
    {drum::kSnare, ".... X... .... X..o"},
    {drum::kChineseCymbal, "x... x... x... x..."},
};
const Groove kCircuit{
    {drum::kBassDrum, "X... .... X... ...."},
    {drum::kSnare, ".... .... X... ...."},
    {drum::kClosedHiHat, "x.x. x.x. x.x. x.x."},
    {drum::kHighWoodBlock, "..x. .... ..x. .x.."},
};
const Groove kBoot{
    {drum::kBassDrum, "X... .... .... ...."},
};
const Groove kFill{
    {drum::kSnare, "XxXx ...."},       {drum::kHighTom, ".... x..."},  {drum::kLowTom, ".... .x.."},
    {drum::kLowFloorTom, ".... ..XX"}, {drum::kBassDrum, "X... X..."},
};
const Groove kOverloadFill{
    {drum::kSnare, "x.x. x.x. xxxx rrrr"},
    {drum::kBassDrum, "X... X... X... X..."},
};

constexpr const char *kOstinato = "0030 0020 0030 0020";
constexpr const char *kHold = "*--- ---- ---- ----";
constexpr const char *kHits = "*... .... *... ....";
constexpr const char *kBits = "0123 4321 0123 4321";

}  // namespace

Song DangTheme() {
    Song song("Dang", 164, Scale(kD, kHarmonicMinor));
    int lead = song.AddPart(
        {"Synth lead", program::kBassAndLead, 98, 64, 45, 98, 60, Voicing::Close, 0.85});
    int choir =
        song.AddPart({"Choir", program::kChoirAahs, 80, 84, 75, 62, 55, Voicing::Close, 1.0});
    int organ = song.AddPart(
        {"Church organ", program::kChurchOrgan, 72, 50, 70, 56, 45, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Synth bass", program::kSynthBass2, 94, 64, 15, 90, 26, Voicing::RootPosition, 0.6});
    int hits = song.AddPart(
        {"Orchestra hits", program::kOrchestraHit, 78, 64, 50, 78, 50, Voicing::Close, 0.5});
    int strings = song.AddPart(
        {"Synth strings", program::kSynthStrings1, 80, 36, 65, 76, 55, Voicing::Close, 0.95});
    int bits = song.AddPart(
        {"Square arpeggio", program::kSquareLead, 74, 92, 60, 62, 57, Voicing::Close, 0.5});
    song.AddDrums({"Drums", 0, 100, 64, 35, 100});

    song.AddSection("Boot", 4, "1 | 6 | 2 | 5", {60, 92})
        .Figure(organ, kHold)
        .Figure(choir, kHold)
        .Figure(hits, "*... .... .... ....")
        .Figure(bass, "0--- ---- ---- ----")
        .Drums(kBoot, kOverloadFill);
    song.AddSection("Core", 4, "1", {88, 92})
        .Crash()
        .Figure(bass, kOstinato)
        .Figure(bits, kBits, {.firstBar = 2})
        .Drums(kMachine, kFill);
    song.AddSection("Theme", 8, kThemeChords, {88, 94})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Figure(choir, kHold)
        .Figure(bass, kOstinato)
        .Figure(hits, "*... .... .... ....")
        .Drums(kMachine, kFill);
    song.AddSection("Assault", 8, kAssaultChords, {92, 98})
        .Crash()
        .Melody(lead, kAssault, 4)
        .Figure(choir, kHold)
        .Figure(strings, "*-*- *-*- *-*- *-*-")
        .Figure(bass, kOstinato)
        .Drums(kMachine, kFill);
    song.AddSection("Theme answered", 8, kThemeChords, {90, 96})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(strings, kAnswer, 5)
        .Figure(choir, kHold)
        .Figure(bass, kOstinato)
        .Figure(hits, kHits)
        .Drums(kMachine, kFill);
    song.AddSection("Inside the machine", 8, kCircuitChords, {72, 90})
        .Melody(choir, kCircuitLine, 4)
        .Figure(bits, kBits)
        .Figure(organ, kHold, {.firstBar = 4})
        .Figure(bass, "0--- ---- 0--- 0-0-")
        .Drums(kCircuit, kOverloadFill);

    song.ChangeTempo(172);
    song.AddSection("Overload", 8, kThemeChords, {98, 104})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(organ, kTheme, 3)
        .Figure(choir, kHold)
        .Figure(hits, kHits)
        .Figure(bass, kOstinato)
        .Figure(bits, kBits)
        .Drums(kOverdrive, kFill);
    song.AddSection("Last assault", 8, kAssaultChords, {100, 106})
        .Crash()
        .Melody(lead, kAssault, 4)
        .Figure(choir, kHold)
        .Figure(organ, kHold)
        .Figure(strings, "*-*- *-*- *-*- *-*-")
        .Figure(bass, kOstinato)
        .Drums(kOverdrive, kOverloadFill);
    song.AddSection("Shutdown", 4, "1 | 6 | 5 | 1", {104, 94})
        .Crash()
        .Melody(lead, "1e 1e +1e> 1e -7e 1e 5q | 6h. 5q | 7h +2h | +1h> rh", 4)
        .Figure(choir, kHold, {.barCount = 3})
        .Figure(choir, "*--- ---- .... ....", {.firstBar = 3})
        .Figure(organ, kHold, {.barCount = 3})
        .Figure(organ, "*--- ---- .... ....", {.firstBar = 3})
        .Figure(hits, "*... .... .... ....")
        .Figure(bass, kOstinato, {.barCount = 3})
        .Figure(bass, "0--- ---- .... ....", {.firstBar = 3})
        .Drums(kOverdrive, {{drum::kBassDrum, "X... .... .... ...."},
                            {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
