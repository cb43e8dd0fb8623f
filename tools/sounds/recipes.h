// The game's sound effects, one recipe each. Every recipe returns a finished, mastered sound.
#pragma once

#include <optional>

#include "signal.h"

namespace sounds {

// Gunshot.wav: a robot's gun fires; a crisp energy shot.
Signal MakeGunshot();

// Missshot.wav: a missile leaves its launcher; an ignition thump and a receding rocket hiss.
Signal MakeMissileLaunch();

// SPAshot.wav: a special attack is accepted. The robot charges for 21 steps of 50 ms and then
// fires both weapons on six steps 150 ms apart, so the whine rises for 1.05 s and six bolts follow.
Signal MakeSpecialAttack();

// Crushfrm.wav: a robot is hit and thrown back; a heavy metallic crunch with flying debris.
Signal MakeCrash();

// ReadyGo.wav: a round starts. "Ready" at once, "Go!" when " GO !" shows 2.5 s later, just
// before the fight starts at 3 s. Nothing when espeak-ng is not installed.
std::optional<Signal> MakeReadyGo();

}  // namespace sounds
