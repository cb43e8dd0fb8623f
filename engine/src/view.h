// The camera's view of the world and of each placed object, and the two projection formulas.
#pragma once

#include "angles.h"
#include "context.h"

namespace trazel {

// The camera, ready for a frame or a query.
struct View {
    Matrix3 rotation;  // world directions to view coordinates
    Vector3 position;  // camera position in the world
    bool validDirMode;
};

View MakeView(const ObjectStruct &camera);

// View depth of a world point: its distance along the line of sight.
inline float ViewDepth(const View &view, Vector3 world) {
    Vector3 d = Subtract(world, view.position);
    const auto &m = view.rotation.m;
    return m[0][0] * d.x + m[0][1] * d.y + m[0][2] * d.z;
}

// An object placed in the view: object coordinates to view coordinates, and back for the camera.
struct Placement {
    Matrix3 orientation;     // object to world directions
    Matrix3 toView;          // object coordinates to view directions
    Vector3 offset;          // view coordinates of the object's origin
    Vector3 cameraInObject;  // the camera's position in object coordinates
    bool validDirMode;
};

Placement PlaceObject(const View &view, const ObjectStruct &object);

inline Vector3 ToView(const Placement &placement, Vector3 vertex) {
    return Add(Apply(placement.toView, vertex), placement.offset);
}

// Facing value of a plane: <= 0 when its front is turned to the camera.
inline float Facing(const Placement &placement, Vector3 firstCorner, Vector3 normal) {
    return Dot(Subtract(firstCorner, placement.cameraInObject), normal);
}

// Screen coordinates are clamped far outside any buffer, so later integer arithmetic cannot
// overflow.
int32_t ScreenCoordinate(float value);

// The projection centre of the frame pipeline: buffer centre plus the centre offset.
struct Projection {
    float centerX, centerY, distance;
};
Projection FrameProjection();

// Frame pipeline: truncate(centre - D * y / depth).
inline TzPoint ProjectInFrame(const Projection &projection, float y, float z, float depth) {
    return TzPoint{ScreenCoordinate(projection.centerX - projection.distance * y / depth),
                   ScreenCoordinate(projection.centerY - projection.distance * z / depth)};
}

// The query exports: truncate(offset - D * y / depth) + half the buffer size. Left of and above
// the centre this can differ from the frame pipeline by one pixel.
TzPoint ProjectForQuery(float y, float z, float depth);

// Buffer rows whatever the row order.
inline int32_t BufferRows() {
    return context.back.height < 0 ? -context.back.height : context.back.height;
}

}  // namespace trazel
