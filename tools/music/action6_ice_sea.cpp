// Level 6, the ice sea: B Dorian at 144 beats a minute, cold and glittering. A soft square lead
// doubled by a glockenspiel, music-box arpeggios, a halo pad and tubular bells tolling over
// the floes; a hushed interlude, then the theme returns brighter.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

constexpr const char *kTheme =
    "5e 3e 1e 3e 5q +1q> | 6q.> 5e 4e 5e 6q | 5q 3e 5e +2q +1q | 7h. rq | "
    "5e 3e 1e 3e 5q +3q> | +2q.> +1e 6e +1e +2q | +1e 7e 5e 3e 7q 5q | 1h rq 5e 7e";
constexpr const char *kThemeChords = "1 | 4 | 3 | 7 | 1 | 4 | 3 7 | 1";

constexpr const char *kGlide =
    "+3q.> +2e +1q 7q | +1h +2q +3q | +4q.> +3e +2q 6q | +1h. rq | "
    "+3q.> +2e +1q +5q | +4h +3q +2q | +2e +1e 6e +1e +2q +4q | +5w>";
constexpr const char *kGlideChords = "3 | 7 | 4 | 1 | 3 | 7 | 4 | 5";

constexpr const char *kFloes = "6w | 5w | 5h 3h | 1w | 2w | 2h 6h | 5w | 5h 7h";
constexpr const char *kFloesChords = "4 | 4 | 3 | 3 | 2 | 2 | 5 | 5";

constexpr const char *kToll = "1w | rw | rw | rw | 1w | rw | rw | rw";

const Groove kBreakbeat{
    {drum::kBassDrum, "X... ..x. ..X. ...."},
    {drum::kSnare, ".... X... .... X..o"},
    {drum::kRideCymbal, "x.x. x.x. x.x. x.x."},
    {drum::kMaracas, "xoxo xoxo xoxo xoxo"},
};
const Groove kStill{
    {drum::kBassDrum, "X... .... .... ...."},
    {drum::kRideCymbal, "x... x... x... x..."},
    {drum::kMaracas, "..x. ..x. ..x. ..x."},
};
const Groove kFill{
    {drum::kSnare, "xoxo xxXX"},
    {drum::kBassDrum, "X... ...."},
};
const Groove kCrackFill{
    {drum::kSnare, "x... x... x.x. xxxx"},
    {drum::kBassDrum, "X... X... X... X..."},
    {drum::kOpenTriangle, "X... .... X... ...."},
};

constexpr const char *kShimmer = "0124 3212 0124 3212";
constexpr const char *kHold = "*--- ---- ---- ----";
constexpr const char *kPulse = "0.0. 0.3. 0.0. 0.3.";

}  // namespace

Song IceSeaTheme() {
    Song song("Frozen Tide", 144, Scale(kB, kDorian));
    int lead = song.AddPart(
        {"Square lead", program::kSquareLead, 98, 60, 60, 92, 60, Voicing::Close, 0.85});
    int glockenspiel = song.AddPart(
        {"Glockenspiel", program::kGlockenspiel, 100, 76, 70, 92, 60, Voicing::Close, 0.9});
    int musicBox =
        song.AddPart({"Music box", program::kMusicBox, 84, 40, 70, 70, 59, Voicing::Close, 0.9});
    int pad =
        song.AddPart({"Halo pad", program::kHaloPad, 80, 88, 80, 60, 54, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Synth bass", program::kSynthBass1, 94, 64, 20, 90, 30, Voicing::RootPosition, 0.7});
    int bells = song.AddPart(
        {"Tubular bells", program::kTubularBells, 96, 96, 80, 90, 60, Voicing::Close, 1.0});
    song.AddDrums({"Drums", 0, 96, 64, 45, 96});

    song.AddSection("Thin ice", 4, "1 | 4 | 3 | 7", {62, 84})
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Melody(bells, "1w | rw | rw | rw", 4)
        .Figure(bass, "0--- ---- 0--- ----", {.firstBar = 2})
        .Drums(kStill, kFill);
    song.AddSection("Theme", 8, kThemeChords, {84, 90})
        .Crash()
        .Melody(lead, kTheme, 3)
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Melody(bells, kToll, 4)
        .Figure(bass, kPulse)
        .Drums(kBreakbeat, kFill);
    song.AddSection("Glide", 8, kGlideChords, {88, 94})
        .Crash()
        .Melody(lead, kGlide, 3)
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Figure(bass, "0.0. 0.0. 0.0. 0.0.")
        .Drums(kBreakbeat, kFill);
    song.AddSection("Theme in glass", 8, kThemeChords, {88, 94})
        .Crash()
        .Melody(lead, kTheme, 3)
        .Melody(glockenspiel, kTheme, 4)
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Melody(bells, kToll, 4)
        .Figure(bass, kPulse)
        .Drums(kBreakbeat, kFill);
    song.AddSection("Hush", 4, "1 | 4 | 1 | 4", {64, 72})
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Melody(bells, "1h rh | rw | 5h rh | 4h rh", 4)
        .Drums(kStill);
    song.AddSection("Floes", 8, kFloesChords, {74, 88})
        .Melody(lead, kFloes, 4)
        .Melody(glockenspiel, kFloes, 4)
        .Figure(musicBox, "0-1- 2-4- 3-2- 1-2-")
        .Figure(pad, kHold)
        .Figure(bass, "0--- ---- 0--- 2---")
        .Drums(kStill, kCrackFill);
    song.AddSection("Glide again", 8, kGlideChords, {92, 98})
        .Crash()
        .Melody(lead, kGlide, 3)
        .Melody(glockenspiel, kGlide, 4)
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Figure(bass, "0.0. 0.0. 0.0. 0.0.")
        .Drums(kBreakbeat, kFill);
    song.AddSection("Theme at full light", 8, kThemeChords, {96, 100})
        .Crash()
        .Melody(lead, kTheme, 3)
        .Melody(glockenspiel, kTheme, 4)
        .Figure(musicBox, kShimmer)
        .Figure(pad, kHold)
        .Melody(bells, kToll, 4)
        .Figure(bass, kPulse)
        .Drums(kBreakbeat, kCrackFill);
    song.AddSection("Thaw", 4, "1 | 4 | 7 | 1", {96, 84})
        .Crash()
        .Melody(lead, "5e 3e 1e 3e 5q +1q | 6h. 5q | 7h +2h | +1h> rh", 3)
        .Melody(glockenspiel, "5e 3e 1e 3e 5q +1q | 6h. 5q | 7h +2h | +1h> rh", 4)
        .Figure(musicBox, kShimmer, {.barCount = 3})
        .Figure(musicBox, "0124 ---- .... ....", {.firstBar = 3})
        .Figure(pad, kHold, {.barCount = 3})
        .Figure(pad, "*--- ---- .... ....", {.firstBar = 3})
        .Melody(bells, "rw | rw | rw | 1h rh", 4)
        .Figure(bass, kPulse, {.barCount = 3})
        .Figure(bass, "0--- ---- .... ....", {.firstBar = 3})
        .Drums(kBreakbeat, {{drum::kBassDrum, "X... .... .... ...."},
                            {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
