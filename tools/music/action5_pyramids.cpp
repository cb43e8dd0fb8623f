// Level 5, the pyramids: E Phrygian dominant at 138 beats a minute. A shanai sings over a sitar
// ostinato, strings and a fretless bass, driven by a baladi rhythm on congas, bongos and
// tambourine; a drum break, a long-breathed bridge, and the theme once more with everything.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

// Circles the tonic with the minor second above it, the colour of the mode.
constexpr const char *kOstinato = "1e 2e 3e 2e 1e 2e -7e 1e";

constexpr const char *kTheme =
    "5q.> 6e 5e 4e 3e 2e | 3q 2e 3e 1h | 2q.> 3e 4e 3e 2e 4e | 3h 1h | "
    "4q.> 5e 6q 5e 4e | 7q. 6e 5q 4q | 6e 5e 4e 3e 2q 3e 2e | 1h. rq";
constexpr const char *kThemeChords = "1 | 1 | 2 | 1 | 4 | 7 | 2 | 1";

// Higher, with a quick turn around the tonic like a singer's ornament.
constexpr const char *kCall =
    "+1q> +1s +2s +1s 7s +1q. 6e | 6q 5e 6e +1h | +2q.> +1e 7e 6e 7q | 6h. rq | "
    "+1e> +2e +3e +2e +1q 6q | 7e +1e 7e 6e 5h | 4e 3e 2e 3e 4q 3e 2e | 2e 3e 1h rq";
constexpr const char *kCallChords = "4 | 4 | 7 | 2 | 4 | 4 | 2 | 1";

constexpr const char *kDunes = "+1w | 6w | 7h 6h | 5w | +1h +3h | +2w | 7h 6h | 5h 3h";
constexpr const char *kDunesChords = "4 | 2 | 7 | 1 | 4 | 2 | 7 | 1";

const Groove kBaladi{
    {drum::kBassDrum, "X.x. .... X... ...."},
    {drum::kLowConga, "X.x. .... X... ...."},
    {drum::kHighBongo, ".... ..x. .... x.xo"},
    {drum::kTambourine, "x.o. x.o. x.o. x.o."},
};
const Groove kMarch{
    {drum::kBassDrum, "X.x. ..x. X... ..x."},   {drum::kSnare, ".... X... .... X..."},
    {drum::kLowConga, "..x. ...x ..x. ...."},   {drum::kHighBongo, ".x.x .x.. .x.x .xx."},
    {drum::kTambourine, "x.x. x.x. x.x. x.x."},
};
const Groove kSand{
    {drum::kLowConga, "X... .... X... ...."},
    {drum::kTambourine, "x... x... x... x..."},
    {drum::kMaracas, "..x. ..x. ..x. ..x."},
};
const Groove kFill{
    {drum::kHighBongo, "xxx. x..."},
    {drum::kLowBongo, "...x .x.."},
    {drum::kLowConga, ".... ..XX"},
    {drum::kBassDrum, "X... ..X."},
};
const Groove kBreakFill{
    {drum::kOpenHighConga, "x.x. x.x. xxxx ...."},
    {drum::kLowConga, "X... X... .... XXX."},
    {drum::kSnare, ".... .... .... rrrr"},
};

constexpr const char *kPluck = "0.1. 2.1. 0.1. 2.3.";
constexpr const char *kHold = "*--- ---- ---- ----";
constexpr const char *kBassWalk = "0..0 ..2. 0..0 ..3.";

}  // namespace

Song PyramidsTheme() {
    Song song("Sands of the Pharaohs", 138, Scale(kE, kPhrygianDominant));
    int lead =
        song.AddPart({"Shanai", program::kShanai, 100, 64, 55, 100, 60, Voicing::Close, 0.9});
    int sitar = song.AddPart({"Sitar", program::kSitar, 84, 40, 45, 82, 52, Voicing::Close, 0.85});
    int strings = song.AddPart(
        {"Strings", program::kStringEnsemble2, 80, 86, 70, 60, 52, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Fretless bass", program::kFretlessBass, 96, 64, 20, 92, 28, Voicing::RootPosition, 0.85});
    song.AddDrums({"Percussion", 0, 98, 64, 40, 92});

    song.AddSection("Mirage", 4, "1", {66, 86})
        .Melody(sitar, kOstinato, 4)
        .Melody(sitar, kOstinato, 4, {.bar = 1})
        .Melody(sitar, kOstinato, 4, {.bar = 2})
        .Melody(sitar, kOstinato, 4, {.bar = 3})
        .Figure(bass, "0--- ---- ---- ----", {.firstBar = 2})
        .Drums(kSand, kFill);
    song.AddSection("Theme", 8, kThemeChords, {82, 88})
        .Melody(lead, kTheme, 4)
        .Figure(sitar, kPluck)
        .Figure(bass, kBassWalk)
        .Drums(kBaladi, kFill);
    song.AddSection("Theme with strings", 8, kThemeChords, {86, 92})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Figure(sitar, kPluck)
        .Figure(strings, kHold)
        .Figure(bass, kBassWalk)
        .Drums(kMarch, kFill);
    song.AddSection("Call", 8, kCallChords, {90, 96})
        .Crash()
        .Melody(lead, kCall, 4)
        .Figure(sitar, kPluck)
        .Figure(strings, kHold)
        .Figure(bass, kBassWalk)
        .Drums(kMarch, kFill);
    Section breakdown = song.AddSection("Drum break", 4, "1", {90, 98});
    for (int bar = 0; bar < 4; ++bar) breakdown.Melody(sitar, kOstinato, 3, {.bar = bar});
    breakdown.Figure(bass, "0--- ---- 0--- ----").Drums(kMarch, kBreakFill);
    song.AddSection("Dunes", 8, kDunesChords, {74, 86})
        .Melody(lead, kDunes, 4)
        .Figure(strings, kHold)
        .Figure(sitar, "0--- 1--- 2--- 1---")
        .Figure(bass, "0--- ---- 0--- ----")
        .Drums(kSand, kFill);
    song.AddSection("Theme with everything", 8, kThemeChords, {96, 100})
        .Crash()
        .Melody(lead, kTheme, 4)
        .Melody(sitar, kTheme, 3)
        .Figure(strings, kHold)
        .Figure(bass, kBassWalk)
        .Drums(kMarch, kFill);
    song.AddSection("Last call", 8, kCallChords, {98, 104})
        .Crash()
        .Melody(lead, kCall, 4)
        .Figure(sitar, kPluck)
        .Figure(strings, kHold)
        .Figure(bass, kBassWalk)
        .Drums(kMarch, kBreakFill);
    song.AddSection("Sunset", 2, "1", {100, 92})
        .Crash()
        .Melody(lead, "1e 2e 3e 2e 1e 2e -7e 1e | 1h> rh", 4)
        .Melody(sitar, "1e 2e 3e 2e 1e 2e -7e 1e | 1h> rh", 3)
        .Figure(strings, "*--- ---- ---- ---- *--- ---- .... ....")
        .Figure(bass, "0--- ---- ---- ---- 0--- ---- .... ....")
        .Drums(kBaladi, {{drum::kLowConga, "X... .... .... ...."},
                         {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
