// Orientation of placed objects and of the camera, by dirMode.
#pragma once

#include "angles.h"

namespace trazel {

// R: object coordinates to world directions. False (and the identity) for an unknown dirMode.
bool BuildObjectOrientation(const ObjectStruct &object, Matrix3 *orientation);

// Q: world directions to view coordinates (x depth, y left, z up). False (and the identity) for an
// unknown dirMode.
bool BuildCameraView(const ObjectStruct &camera, Matrix3 *view);

}  // namespace trazel
