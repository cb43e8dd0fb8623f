// The two missile kinds that are no missiles: a tumbling bomb and a barrier that stays put.
#pragma once

#include "shapes/shape.h"

namespace models {

// "MoveBom": a round olive bomb with a yellow band, a red fuse at -x and a finned tail; the game
// tumbles it about z, so it rolls low over the ground.
shapes::Shape MakeTumblingBomb();
// "Balier": a glowing round shield wall facing -x on a foot on the ground, about fifty units
// across; the game spins it about z where it was launched.
shapes::Shape MakeBarrier();

}  // namespace models
