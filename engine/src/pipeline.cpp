// One frame: every shown object culled, transformed, clipped, lit and listed, then drawn.
#include <cstdio>
#include <cstring>

#include "clip.h"
#include "draw.h"
#include "lighting.h"
#include "messages.h"
#include "view.h"

namespace trazel {
namespace {

constexpr int kMaxCorners = 8;

SituationLatch polygonLimitLatch;
SituationLatch cameraDirModeLatch;
SituationLatch objectDirModeLatch;
SituationLatch oversizedMeshLatch;

// What one Trazel call carries from object to object.
struct Frame {
    View view;
    Projection projection;
    float clip;
    int32_t modelMode;
    int32_t count;  // polygons listed
    bool overflowed;
    bool invalidObjectDirMode;
    bool oversizedMesh;
    ScreenPolygon spare;  // a plane past the polygon limit is built here and dropped
};

// The per-object work arrays hold 5000 vertices and planes; a mesh must also be complete.
bool MeshFitsWorkArrays(const ObjectData &mesh) {
    return mesh.pntNum >= 1 && mesh.pntNum <= TZ_MAX_VERTICES && mesh.pnt != nullptr &&
           mesh.plnNum >= 0 && mesh.plnNum <= TZ_MAX_PLANES &&
           (mesh.pln != nullptr || mesh.plnNum == 0) && mesh.materialNum >= 1 &&
           mesh.material != nullptr;
}

// A plane the pipeline can walk without leaving the mesh's arrays.
bool PlaneIsWalkable(const ObjectData &mesh, const PlaneData &plane) {
    if (plane.pntNum < 3 || plane.pntNum > kMaxCorners || plane.pnt == nullptr) return false;
    if (plane.material < 0 || plane.material >= mesh.materialNum) return false;
    for (int32_t i = 0; i < plane.pntNum; ++i) {
        if (plane.pnt[i] < 0 || plane.pnt[i] >= mesh.pntNum) return false;
    }
    return true;
}

// Back faces are rejected in object space before any vertex is transformed.
void MarkFrontFaces(const ObjectData &mesh, const Placement &placement) {
    FrameWork &work = context.work;
    std::memset(work.needed, 0, static_cast<size_t>(mesh.pntNum));
    for (int32_t p = 0; p < mesh.plnNum; ++p) {
        const PlaneData &plane = mesh.pln[p];
        if (!PlaneIsWalkable(mesh, plane)) {
            work.facing[p] = 1.0f;
            continue;
        }
        work.facing[p] = Facing(placement, mesh.pnt[plane.pnt[0]], plane.normal);
        if (!(work.facing[p] <= 0.0f)) continue;
        for (int32_t i = 0; i < plane.pntNum; ++i) work.needed[plane.pnt[i]] = 1;
    }
}

void ProjectNeededVertices(const Frame &frame, const ObjectData &mesh, const Placement &placement) {
    FrameWork &work = context.work;
    for (int32_t v = 0; v < mesh.pntNum; ++v) {
        if (!work.needed[v]) continue;
        Vector3 view = ToView(placement, mesh.pnt[v]);
        work.viewDepth[v] = view.x;
        work.viewY[v] = view.y;
        work.viewZ[v] = view.z;
        if (view.x >= frame.clip) {
            work.screen[v] = ProjectInFrame(frame.projection, view.y, view.z, view.x);
        }
    }
}

// The light and the viewer in object coordinates, for shading this object's planes.
Lighting ObjectLighting(const Placement &placement) {
    Matrix3 toObject = Transpose(placement.orientation);
    Lighting lighting{};
    lighting.light = Apply(toObject, context.light);
    Vector3 toOrigin{-placement.cameraInObject.x, -placement.cameraInObject.y,
                     -placement.cameraInObject.z};
    float distance = Length(toOrigin);
    Vector3 viewDirection = distance > 0.0f ? Vector3{toOrigin.x / distance, toOrigin.y / distance,
                                                      toOrigin.z / distance}
                                            : Vector3{0, 0, 0};
    Vector3 sum = Add(viewDirection, lighting.light);
    float length = Length(sum);
    lighting.hasHalf = length != 0.0f;
    lighting.half = lighting.hasHalf ? Vector3{-sum.x / length, -sum.y / length, -sum.z / length}
                                     : Vector3{-sum.x, -sum.y, -sum.z};
    lighting.ambient = context.ambient;
    lighting.exponent = context.highlightExponent;
    return lighting;
}

TzColor VertexColor(const ObjectData &mesh, const PlaneData &plane, int32_t vertex,
                    const Lighting &lighting) {
    const MaterialData &material = mesh.material[plane.material];
    Vector3 normal = mesh.shadingVector != nullptr ? mesh.shadingVector[vertex] : plane.normal;
    return ShadeColor(material, Intensity(lighting, normal, material.highlight));
}

void ColourEntry(const Frame &frame, const ObjectStruct &object, const PlaneData &plane,
                 const Lighting &lighting, ScreenPolygon &entry) {
    const ObjectData &mesh = *object.data;
    const MaterialData &material = mesh.material[plane.material];
    switch (frame.modelMode) {
        case TZ_MODEL_SOLID:
        case TZ_MODEL_HALFTONE:
        case TZ_MODEL_RECORD:
            entry.color =
                object.shading != 0
                    ? ShadeColor(material, Intensity(lighting, plane.normal, material.highlight))
                    : TZ_RGB(plane.color[0], plane.color[1], plane.color[2]);
            break;
        case TZ_MODEL_GOURAUD:
            if (entry.clipped) break;
            for (int32_t i = 0; i < plane.pntNum; ++i) {
                entry.vertexColors[i] = VertexColor(mesh, plane, plane.pnt[i], lighting);
            }
            break;
        default:
            break;  // outlines and unknown modes need no colour
    }
}

// Takes the entry into the list; false when the list is full (the plane is dropped).
bool Commit(Frame &frame) {
    if (frame.count >= TZ_MAX_POLYGONS) {
        frame.overflowed = true;
        return false;
    }
    ++frame.count;
    return true;
}

float FarthestCorner(const PlaneData &plane) {
    float depth = context.work.viewDepth[plane.pnt[0]];
    for (int32_t i = 1; i < plane.pntNum; ++i) {
        float corner = context.work.viewDepth[plane.pnt[i]];
        if (corner > depth) depth = corner;
    }
    return depth;
}

void TakeWhole(const PlaneData &plane, ScreenPolygon &entry) {
    for (int32_t i = 0; i < plane.pntNum; ++i) entry.points[i] = context.work.screen[plane.pnt[i]];
    entry.count = plane.pntNum;
}

void GatherCorners(const PlaneData &plane, CornerView *corners) {
    const FrameWork &work = context.work;
    for (int32_t i = 0; i < plane.pntNum; ++i) {
        int32_t v = plane.pnt[i];
        corners[i] = CornerView{work.viewDepth[v], work.viewY[v], work.viewZ[v], work.screen[v], 0};
    }
}

// Gouraud colours are given to the corners before clipping, so crossings can blend them.
void ColourCorners(const ObjectData &mesh, const PlaneData &plane, const Lighting &lighting,
                   CornerView *corners) {
    for (int32_t i = 0; i < plane.pntNum; ++i) {
        corners[i].color = VertexColor(mesh, plane, plane.pnt[i], lighting);
    }
}

void AddPlane(Frame &frame, const ObjectStruct &object, const PlaneData &plane, bool needsClip,
              const Lighting &lighting) {
    ScreenPolygon &entry =
        frame.count < TZ_MAX_POLYGONS ? context.work.polygons[frame.count] : frame.spare;
    entry.clipped = 0;
    entry.depth = FarthestCorner(plane);
    CornerView corners[kMaxCorners];
    if (needsClip) GatherCorners(plane, corners);
    if (!needsClip || WhollyInFront(corners, plane.pntNum, frame.clip)) {
        TakeWhole(plane, entry);
    } else if (frame.modelMode == TZ_MODEL_GOURAUD) {
        ColourCorners(*object.data, plane, lighting, corners);
        entry.count = ClipToNearPlane(corners, plane.pntNum, frame.clip, frame.projection,
                                      entry.points, entry.vertexColors);
        entry.clipped = 1;
    } else {
        entry.count = ClipToNearPlane(corners, plane.pntNum, frame.clip, frame.projection,
                                      entry.points, nullptr);
    }
    if (entry.count < 3 || !Commit(frame)) return;
    ColourEntry(frame, object, plane, lighting, entry);
}

void AddObject(Frame &frame, int32_t index, const ObjectStruct &object) {
    const ObjectData &mesh = *object.data;
    if (!MeshFitsWorkArrays(mesh)) {
        frame.oversizedMesh = true;
        return;
    }
    float originDepth = ViewDepth(frame.view, PositionOf(object));
    if (originDepth + mesh.radius < frame.clip) return;
    bool needsClip = !(originDepth - mesh.radius > frame.clip);
    Placement placement = PlaceObject(frame.view, object);
    if (!placement.validDirMode) frame.invalidObjectDirMode = true;
    MarkFrontFaces(mesh, placement);
    ProjectNeededVertices(frame, mesh, placement);
    if (context.objectPointProc != nullptr) {
        context.objectPointProc(index, context.work.needed, context.work.screen);
    }
    Lighting lighting = ObjectLighting(placement);
    for (int32_t p = 0; p < mesh.plnNum; ++p) {
        if (context.work.facing[p] <= 0.0f)
            AddPlane(frame, object, mesh.pln[p], needsClip, lighting);
    }
}

// Warnings that would otherwise repeat every frame are shown once per situation.
void Warn(SituationLatch &latch, bool arisen, const char *text) {
    if (!arisen) {
        latch.Clear();
    } else if (latch.Arise()) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr, text);
    }
}

void ReportFrameWarnings(const Frame &frame) {
    char limit[128];
    std::snprintf(limit, sizeof limit, "１画面に表示できる最大ポリゴン数\n%dを越えました。",
                  TZ_MAX_POLYGONS);
    Warn(polygonLimitLatch, frame.overflowed, limit);
    Warn(cameraDirModeLatch, !frame.view.validDirMode, "カメラのdirModeが不正です。");
    Warn(objectDirModeLatch, frame.invalidObjectDirMode, "オブジェクトのdirModeが不正です。");
    Warn(oversizedMeshLatch, frame.oversizedMesh,
         "頂点数または面数が5000を越えるオブジェクトは表示できません。");
}

}  // namespace

}  // namespace trazel

using namespace trazel;

extern "C" int32_t Trazel(int32_t count, ObjectStruct *objects) {
    if (!context.open) {
        ShowMessage(MessageGate::WhenMessagesOn, nullptr,
                    "OpenTrazed()を呼ぶ前にTrazel()を呼び出しています。");
        return 0;
    }
    if (objects == nullptr) return 0;
    Frame frame{};
    frame.view = MakeView(objects[0]);
    frame.projection = FrameProjection();
    frame.clip = context.clipDistance;
    frame.modelMode = context.modelMode;
    for (int32_t i = 1; i <= count; ++i) {
        const ObjectStruct &object = objects[i];
        if (object.show != 0 && object.data != nullptr) AddObject(frame, i, object);
    }
    ReportFrameWarnings(frame);
    DrawPolygonList(frame.count);
    return frame.count;
}

extern "C" TzObjectPointProc Set2DObjectPointProc(TzObjectPointProc proc) {
    context.objectPointProc = proc;
    return proc;
}
