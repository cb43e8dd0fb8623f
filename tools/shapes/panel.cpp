// Flat panels facing up, cut into a grid of squares.
#include "panel.h"

#include <stdexcept>

#include "placement_checks.h"
#include "solids.h"

namespace shapes {
namespace {

void RequirePanelGrid(const Placement &placement, int columns, int rows) {
    // A panel is flat in z, so only its footprint has to be a real area.
    RequireSolidPlacement({placement.centre, {placement.size.x, placement.size.y, 1}});
    RequireCount("panel columns", columns, 1, kMostDivisions);
    RequireCount("panel rows", rows, 1, kMostDivisions);
    if ((columns + 1) * (rows + 1) > kMostDivisions)
        throw std::invalid_argument("panel has more grid points than a mesh may hold");
}

}  // namespace

Shape MakeCheckerPanel(const Placement &placement, int columns, int rows, const Material &even,
                       const Material &odd) {
    RequirePanelGrid(placement, columns, rows);
    Shape panel;
    const int paints[2] = {panel.AddMaterial(even), panel.AddMaterial(odd)};
    const Point3 &centre = placement.centre;
    const Point3 &size = placement.size;
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= columns; ++column) {
            panel.AddVertex({centre.x + size.x * (double(column) / columns - 0.5),
                             centre.y + size.y * (double(row) / rows - 0.5), centre.z});
        }
    }
    auto gridPoint = [&](int column, int row) { return row * (columns + 1) + column; };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            panel.AddFace({gridPoint(column, row), gridPoint(column + 1, row),
                           gridPoint(column + 1, row + 1), gridPoint(column, row + 1)},
                          paints[(row + column) % 2]);
        }
    }
    return panel;
}

Shape MakePanel(const Placement &placement, int columns, int rows, const Material &material) {
    return MakeCheckerPanel(placement, columns, rows, material, material);
}

}  // namespace shapes
