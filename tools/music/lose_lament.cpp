// The round is lost: a short phrase that falls an octave and a third in A minor, on electric
// piano over soft strings, fading as it goes. About five seconds.
#include "compositions.h"
#include "general_midi.h"

namespace music {

Song LoseLament() {
    namespace program = general_midi::program;
    Song song("Defeat", 96, Scale(kA, kAeolian));
    int piano = song.AddPart(
        {"Electric piano", program::kElectricPiano, 104, 64, 60, 100, 60, Voicing::Close, 0.95});
    int strings = song.AddPart(
        {"Strings", program::kStringEnsemble1, 58, 80, 70, 50, 52, Voicing::Close, 1.0});
    int bass = song.AddPart(
        {"Fretless bass", program::kFretlessBass, 90, 64, 25, 86, 33, Voicing::RootPosition, 1.0});

    song.AddSection("Lament", 2, "1 6 | 4 1", {84, 58})
        .Melody(piano, "+3q.> +2e +1q 6q | 4q. 3e 1q~ rq", 3)
        .Figure(strings, "*--- ---- ---- ---- ---- ---- --.. ....")
        .Figure(bass, "0--- ---- ---- ---- ---- ---- --.. ....");
    return song;
}

}  // namespace music
