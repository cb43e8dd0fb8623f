// Gunshot.wav: one energy bolt with a short room behind it, so it does not sound pasted on.
#include "energy_bolt.h"
#include "mastering.h"
#include "recipes.h"
#include "reverb.h"

namespace sounds {

Signal MakeGunshot() {
    constexpr double kSeconds = 0.3;
    Signal shot = Reverb(EnergyBolt({.startHertz = 2400, .endHertz = 200, .seconds = 0.26}),
                         {.decaySeconds = 0.3, .damping = 0.5, .wet = 0.18});
    shot.resize(SamplesFor(kSeconds));
    Master(shot, 0.6);
    return shot;
}

}  // namespace sounds
