// The round is drawn: a vibraphone phrase over suspended chords in D Dorian that never comes
// home to the tonic, with a quiet ride cymbal. About four and a half seconds.
#include "compositions.h"
#include "general_midi.h"

namespace music {

Song DrawStandoff() {
    namespace program = general_midi::program;
    namespace drum = general_midi::drum;
    Song song("Standoff", 108, Scale(kD, kDorian));
    int vibraphone = song.AddPart(
        {"Vibraphone", program::kVibraphone, 104, 64, 60, 100, 60, Voicing::Close, 0.95});
    int pad =
        song.AddPart({"Warm pad", program::kWarmPad, 90, 72, 70, 66, 52, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Fingered bass", program::kFingeredBass, 88, 64, 20, 84, 33, Voicing::RootPosition, 0.95});
    song.AddDrums({"Drums", 0, 80, 64, 50, 80});

    // Both chords lack a third, so neither major nor minor wins, and the tune stops on the
    // second degree instead of the tonic.
    song.AddSection("Standoff", 2, "1s4 | 4s2", {74, 70})
        .Melody(vibraphone, "1q 4q 5q> 4q | 5q 4q 2q~ rq", 4)
        .Figure(pad, "*--- ---- ---- ---- *--- ---- --.. ....")
        .Figure(bass, "0--- ---- 0--- ---- 0--- ---- .... ....")
        .Drums({{drum::kRideCymbal, "x... x... x... x... x... x... x... ...."}});
    return song;
}

}  // namespace music
