// Camera and object placement, and projection onto the back buffer.
#include "view.h"

#include "orient.h"

namespace trazel {

View MakeView(const ObjectStruct &camera) {
    View view{};
    view.validDirMode = BuildCameraView(camera, &view.rotation);
    view.position = PositionOf(camera);
    return view;
}

Placement PlaceObject(const View &view, const ObjectStruct &object) {
    Placement placement{};
    placement.validDirMode = BuildObjectOrientation(object, &placement.orientation);
    placement.toView = Multiply(view.rotation, placement.orientation);
    Vector3 fromCamera = Subtract(PositionOf(object), view.position);
    placement.offset = Apply(view.rotation, fromCamera);
    placement.cameraInObject =
        Apply(Transpose(placement.orientation), Subtract(view.position, PositionOf(object)));
    return placement;
}

int32_t ScreenCoordinate(float value) {
    constexpr float kLimit = 1.0e9f;
    if (!(value == value)) return 0;
    if (value > kLimit) return static_cast<int32_t>(kLimit);
    if (value < -kLimit) return -static_cast<int32_t>(kLimit);
    return static_cast<int32_t>(value);
}

Projection FrameProjection() {
    return Projection{static_cast<float>(context.back.width / 2) + context.centerX,
                      static_cast<float>(BufferRows() / 2) + context.centerY,
                      context.screenDistance};
}

TzPoint ProjectForQuery(float y, float z, float depth) {
    float distance = context.screenDistance;
    return TzPoint{
        ScreenCoordinate(context.centerX - distance * y / depth) + context.back.width / 2,
        ScreenCoordinate(context.centerY - distance * z / depth) + BufferRows() / 2};
}

}  // namespace trazel
