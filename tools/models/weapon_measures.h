// Where weapon models sit: projectiles fly at a robot's chest height above their ground point.
#pragma once

namespace models {

// The height of a shot's or a missile's middle above the ground it travels over.
inline constexpr double kFlightHeight = 20;

}  // namespace models
