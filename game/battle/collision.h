// Gun shots and missiles of opposite sides destroying each other where they meet.
#pragma once

#include "gun.h"
#include "missile_launcher.h"

namespace battle {

// Every flying missile of missiles that meets a flying shot of gun (closer than 20 units) explodes,
// and so does the shot; drill shots pass through missiles, and fan missiles and barriers cannot be
// shot down.
void CollideProjectiles(TWepnGun &gun, TWepnMiss &missiles);

}  // namespace battle
