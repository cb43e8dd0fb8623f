// One builder per robot model. Each robot stands on z = 0 around the z axis with its face, guns
// and cockpit towards -x, the way it travels.
#pragma once

#include "shapes/shape.h"

namespace models {

shapes::Shape MakeMyFream();
shapes::Shape MakeFlyFream();
shapes::Shape MakeHotDog();
shapes::Shape MakeMount();
shapes::Shape MakeOctplus();
shapes::Shape MakeDragon();
shapes::Shape MakeQuado();
shapes::Shape MakeMetalGirl();
shapes::Shape MakeDang();
// The glow around a robot charging its special attack, centred on the x axis it spins about.
shapes::Shape MakePowerGlow();

}  // namespace models
