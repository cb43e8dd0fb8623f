// Playing a sound faster or slower, which moves its pitch with its speed, as on tape.
#pragma once

#include "signal.h"

namespace sounds {

// speed 0.9 plays 10% slower and 10% lower, and the result is 1/0.9 times as long.
Signal ChangeSpeed(const Signal &input, double speed);

}  // namespace sounds
