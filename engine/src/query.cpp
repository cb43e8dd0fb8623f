// Query exports: where points and vertices land on screen and in the world, and plane facing.
#include "orient.h"
#include "view.h"

using namespace trazel;

namespace {

bool HasVertex(const ObjectStruct *object, int32_t vertex) {
    return object != nullptr && object->data != nullptr && object->data->pnt != nullptr &&
           vertex >= 0 && vertex < object->data->pntNum && object->data->pntNum <= TZ_MAX_VERTICES;
}

Vector3 WorldPoint(const ObjectStruct &object, const Matrix3 &orientation, int32_t vertex) {
    return Add(Apply(orientation, object.data->pnt[vertex]), PositionOf(object));
}

Matrix3 OrientationOf(const ObjectStruct &object) {
    Matrix3 orientation;
    BuildObjectOrientation(object, &orientation);
    return orientation;
}

}  // namespace

extern "C" int32_t Get2DPoint(const ObjectStruct *camera, Vector3 point, TzPoint *screen) {
    if (camera == nullptr) return 0;
    Vector3 view = Apply(MakeView(*camera).rotation, point);
    if (!(view.x >= context.clipDistance)) return 0;
    if (screen != nullptr) *screen = ProjectForQuery(view.y, view.z, view.x);
    return 1;
}

extern "C" void Get2DPoints(const ObjectStruct *camera, const Vector3 *points, int32_t count,
                            TzPoint *screen) {
    if (camera == nullptr || points == nullptr || screen == nullptr) return;
    Matrix3 rotation = MakeView(*camera).rotation;
    for (int32_t i = 0; i < count; ++i) {
        Vector3 view = Apply(rotation, points[i]);
        screen[i] = view.x >= context.clipDistance ? ProjectForQuery(view.y, view.z, view.x)
                                                   : TzPoint{-1, -1};
    }
}

extern "C" int32_t Get2DObjectPoint(const ObjectStruct *objects, int32_t index, int32_t vertex,
                                    TzPoint *screen) {
    if (objects == nullptr || index < 0 || !HasVertex(&objects[index], vertex)) return 0;
    const ObjectStruct &object = objects[index];
    View view = MakeView(objects[0]);
    Vector3 world = WorldPoint(object, OrientationOf(object), vertex);
    Vector3 viewPoint = Apply(view.rotation, Subtract(world, view.position));
    if (!(viewPoint.x >= context.clipDistance)) return 0;
    if (screen != nullptr) *screen = ProjectForQuery(viewPoint.y, viewPoint.z, viewPoint.x);
    return 1;
}

extern "C" void GetRotatedObjectPoint(const ObjectStruct *object, int32_t vertex, Vector3 *world) {
    if (!HasVertex(object, vertex) || world == nullptr) return;
    *world = WorldPoint(*object, OrientationOf(*object), vertex);
}

extern "C" void GetRotatedObjectPoints(const ObjectStruct *object, const int32_t *vertices,
                                       Vector3 *world) {
    if (object == nullptr || vertices == nullptr || world == nullptr) return;
    Matrix3 orientation = OrientationOf(*object);
    for (int32_t i = 0; vertices[i] >= 0; ++i) {
        if (HasVertex(object, vertices[i]))
            world[i] = WorldPoint(*object, orientation, vertices[i]);
    }
}

extern "C" int32_t IsObversePolygon(const ObjectStruct *objects, int32_t index, float *facing) {
    if (objects == nullptr || index < 0 || facing == nullptr) return 0;
    const ObjectStruct &object = objects[index];
    const ObjectData *mesh = object.data;
    if (mesh == nullptr || mesh->pnt == nullptr || (mesh->pln == nullptr && mesh->plnNum > 0))
        return 0;
    View view = MakeView(objects[0]);
    if (ViewDepth(view, PositionOf(object)) + mesh->radius < context.clipDistance) return 0;
    Placement placement = PlaceObject(view, object);
    for (int32_t p = 0; p < mesh->plnNum; ++p) {
        const PlaneData &plane = mesh->pln[p];
        bool walkable = plane.pntNum >= 1 && plane.pnt != nullptr && plane.pnt[0] >= 0 &&
                        plane.pnt[0] < mesh->pntNum;
        facing[p] = walkable ? Facing(placement, mesh->pnt[plane.pnt[0]], plane.normal) : 1.0f;
    }
    return 1;
}
