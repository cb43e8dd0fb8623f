// Level 2, the city: rock in A Mixolydian at 144 beats a minute. Distorted power chords, a
// picked bass and an overdriven lead guitar; an organ joins the chorus, and the last chorus
// goes up a tone.
#include "compositions.h"
#include "general_midi.h"

namespace music {
namespace {

namespace program = general_midi::program;
namespace drum = general_midi::drum;

// The riff that opens the song and returns before the solo.
constexpr const char *kRiff = "1e 1e 3be 1e 4e 3be 1e -7e | 1e 1e 3be 1e 4e 4#e 5q";

constexpr const char *kVerse =
    "5q 5e 6e 5e 3e 1q | 2q. 1e -7q rq | 4e 4e 6e 4e +1q. 6e | 5h rq 3e 4e | "
    "5q 5e 6e 5e 3e 1q | 2q. 1e -7e 1e 2q | 4e 6e +1e 6e 4q 6q | 5h. rq";
constexpr const char *kVerseChords = "1 | 7 | 4 | 1 | 1 | 7 | 4 | 5M";

constexpr const char *kChorus =
    "+1q.> 6e +1q +2q | +3h.> +2e +1e | +2q. +1e 7q 6q | 6h. rq | "
    "+1q.> 6e +1q +4q | +3h +2q +1q | +2e +1e 7e +1e +2q 7q | +2q 7#q 5h";
constexpr const char *kChorusChords = "4 | 1 | 7 | 4 | 4 | 1 | 7 | 5M";

// Answers the chorus from the organ, a third below the lead's long notes.
constexpr const char *kOrganAnswer =
    "rw | rh 5e 6e 5q | rw | rh 3e 4e 3q | rw | rh 5e 6e 5q | rw | rh 7#q 5q";

constexpr const char *kSoloLine =
    "6s 5s 6s +1s +3q 6e +1e +3e +2e | +1q. 6e 4q 6q | "
    "5s 6s 5s 3s 1e 3e 5e 6e +1q | 7#h. 5q | "
    "+3s +2s +1s 6s +1q +3e +4e +3q | +1q +2q +4q +2q | "
    "+2e +1e 7e 6e 7q +2q | 7#e 5e 7#e +2e +5h>";
constexpr const char *kSoloChords = "6 | 4 | 1 | 5M | 6 | 4 | 7 | 5M";

const Groove kRock{
    {drum::kBassDrum, "X... ..x. X.x. ...."},
    {drum::kSnare, ".... X... .... X..."},
    {drum::kClosedHiHat, "x.x. x.x. x.x. x.x."},
};
const Groove kRide{
    {drum::kBassDrum, "X... ..x. X.x. ..x."},
    {drum::kSnare, ".... X..o .... X..."},
    {drum::kRideCymbal, "x.x. x.x. x.x. x.x."},
    {drum::kRideBell, "X... .... X... ...."},
};
const Groove kCountIn{
    {drum::kClosedHiHat, "x... x... x... x..."},
};
const Groove kFill{
    {drum::kSnare, "X.xx .xX."},
    {drum::kHighMidTom, ".... x..."},
    {drum::kLowFloorTom, ".... ...X"},
    {drum::kBassDrum, "X... X..."},
};
const Groove kLongFill{
    {drum::kSnare, "x.x. x.x. Xxxx ...."},
    {drum::kHighTom, ".... .... .... xx.."},
    {drum::kLowTom, ".... .... .... ..XX"},
    {drum::kBassDrum, "X... X... X... X..."},
};

constexpr const char *kChug = "*.** *.** *.** *.*.";
constexpr const char *kDrivenEighths = "*-*- *-*- *-*- *-*-";
constexpr const char *kBassRoots = "0.0. 0.0. 0.0. 0.02";
constexpr const char *kOrganHold = "*--- ---- ---- ----";

}  // namespace

Song CityTheme() {
    Song song("Neon Avenue", 144, Scale(kA, kMixolydian));
    int lead = song.AddPart(
        {"Lead guitar", program::kOverdrivenGuitar, 102, 72, 50, 100, 60, Voicing::Close, 0.92});
    int rhythm = song.AddPart(
        {"Rhythm guitar", program::kDistortionGuitar, 82, 44, 30, 72, 40, Voicing::Power, 0.8});
    int organ =
        song.AddPart({"Organ", program::kDrawbarOrgan, 74, 88, 50, 62, 55, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Picked bass", program::kPickedBass, 96, 64, 15, 92, 33, Voicing::RootPosition, 0.8});
    song.AddDrums({"Drums", 0, 100, 64, 35, 100});

    song.AddSection("Riff alone", 2, "1p", {84, 88}).Melody(rhythm, kRiff, 2).Drums(kCountIn);
    song.AddSection("Riff with the band", 2, "1p", {90, 94})
        .Crash()
        .Melody(rhythm, kRiff, 2)
        .Melody(bass, kRiff, 1)
        .Drums(kRock, kFill);
    for (int verse = 0; verse < 2; ++verse) {
        Section verseSection = song.AddSection("Verse", 8, kVerseChords, {84, 90});
        verseSection.Crash()
            .Melody(lead, kVerse, 4)
            .Figure(rhythm, kChug)
            .Figure(bass, kBassRoots)
            .Drums(kRock, kFill);
        if (verse == 1) verseSection.Figure(organ, kOrganHold);
        song.AddSection("Chorus", 8, kChorusChords, {94, 100})
            .Crash()
            .Melody(lead, kChorus, 4)
            .Melody(organ, kOrganAnswer, 4)
            .Figure(rhythm, kDrivenEighths)
            .Figure(bass, "0.0. 0.0. 0.0. 0.0.")
            .Drums(kRide, verse == 0 ? kFill : kLongFill);
    }
    song.AddSection("Riff again", 4, "1p", {92, 96})
        .Crash()
        .Melody(rhythm, kRiff, 2)
        .Melody(rhythm, kRiff, 2, {.bar = 2})
        .Melody(bass, kRiff, 1)
        .Melody(bass, kRiff, 1, {.bar = 2})
        .Drums(kRock, kFill);
    song.AddSection("Solo", 8, kSoloChords, {92, 100})
        .Crash()
        .Melody(lead, kSoloLine, 4)
        .Figure(rhythm, kChug)
        .Figure(organ, kOrganHold)
        .Figure(bass, kBassRoots)
        .Drums(kRide, kLongFill);

    song.ChangeKey(Scale(kB, kMixolydian));
    song.AddSection("Chorus a tone higher", 8, kChorusChords, {98, 104})
        .Crash()
        .Melody(lead, kChorus, 4)
        .Melody(organ, kOrganAnswer, 4)
        .Figure(rhythm, kDrivenEighths)
        .Figure(bass, "0.0. 0.0. 0.0. 0.0.")
        .Drums(kRide, kFill);
    song.AddSection("Last riff", 2, "1p", {100, 96})
        .Crash()
        .Melody(rhythm, "1e 1e 3be 1e 4e 3be 1e -7e | 1h> rh", 2)
        .Melody(bass, "1e 1e 3be 1e 4e 3be 1e -7e | 1h> rh", 1)
        .Melody(lead, "rw | +1h> rh", 4)
        .Figure(organ, "*--- ---- ---- ---- *--- ---- .... ....")
        .Drums(kRock, {{drum::kBassDrum, "X... .... .... ...."},
                       {drum::kCrashCymbal, "X... .... .... ...."}});
    return song;
}

}  // namespace music
