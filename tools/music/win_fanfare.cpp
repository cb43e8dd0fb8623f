// The round is won: a brass fanfare in C, rising through A-flat and B-flat to a bright C major,
// with timpani, a snare roll and a crash. About five seconds; it may carry into the ending.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

// Written in C minor so that A-flat and B-flat are scale chords; "1M" and "3#" make the
// arrival major.
constexpr const char *kCall =
    "5et 5et 5et +1q.> 5e +3#q | "
    "+1q> +1et +1et +1et +2q> +2et +2et +2et | +3#h.> rq";
constexpr const char *kChords = "1M | 6 7 | 1M";

}  // namespace

Song WinFanfare() {
    Song song("Victory", 150, Scale(kC, kAeolian));
    int trumpet =
        song.AddPart({"Trumpet", program::kTrumpet, 104, 60, 50, 100, 60, Voicing::Close, 0.9});
    int brass =
        song.AddPart({"Brass", program::kBrassSection, 86, 72, 55, 84, 53, Voicing::Close, 0.95});
    int strings = song.AddPart(
        {"Strings", program::kStringEnsemble1, 62, 48, 65, 52, 55, Voicing::Close, 1.0});
    int timpani = song.AddPart(
        {"Timpani", program::kTimpani, 88, 90, 55, 96, 36, Voicing::RootPosition, 0.95});
    song.AddDrums({"Drums", 0, 96, 64, 40, 96});

    song.AddSection("Fanfare", 3, kChords, {94, 104})
        .Melody(trumpet, kCall, 4)
        .Figure(brass, "*... .... *--- ---- *--- ---- *--- ---- *--- ---- ---- ....")
        .Figure(strings, "*--- ---- ---- ---- *--- ---- *--- ---- *--- ---- ---- ....")
        .Melody(timpani, "1q rq rq 1e 1e | -6q rq -7q rq | 1h.> rq", 3)
        .Drums(
            {{drum::kBassDrum, "X... .... X... .... X... .... X... .... X... .... .... ...."},
             {drum::kSnare, "x... .... x... .... rrrr rrrr rrrr rrrr X... .... .... ...."},
             {drum::kCrashCymbal, ".... .... .... .... .... .... .... .... X... .... .... ...."}});
    return song;
}

}  // namespace music
