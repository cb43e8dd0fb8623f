// Depth order of the frame's polygon list: farthest first.
#pragma once

#include "context.h"

namespace trazel {

// Fills order[0..count) with the indices of polygons sorted farthest first. Depths are compared by
// their difference truncated to an integer, so polygons less than one unit apart count as equal;
// equal ones keep their list order. scratch holds count entries.
void SortFarthestFirst(const ScreenPolygon *polygons, int32_t count, uint16_t *order,
                       uint16_t *scratch);

}  // namespace trazel
