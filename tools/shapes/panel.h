// Flat panels facing up, such as ground tiles: open surfaces, not solids.
#pragma once

#include "shape.h"

namespace shapes {

// A rectangle in the plane z = centre.z facing +z, spanning the placement's x and y, cut into
// columns along x and rows along y; the squares alternate between the two materials like a
// chessboard, starting with even at the lowest x and y. The placement's size.z is not used.
Shape MakeCheckerPanel(const Placement &placement, int columns, int rows, const Material &even,
                       const Material &odd);

// The same panel in one material.
Shape MakePanel(const Placement &placement, int columns, int rows, const Material &material);

}  // namespace shapes
