// Orientation builders: the eight dirModes of objects and cameras, and LookAt.
#include "orient.h"

#include <cmath>

namespace trazel {
namespace {

// Three angles that the angle-based dirModes turn into rotations.
struct Angles {
    int32_t z, y, x;
};

// The rotation sequence of dirModes 0..6, each step about a fixed axis, the first applied first.
bool BuildFromAngles(int32_t dirMode, Angles a, Matrix3 *result) {
    Matrix3 z = RotationZ(a.z), y = RotationY(-a.y), x = RotationX(-a.x);
    switch (dirMode) {
        case 0:
            *result = Multiply(x, Multiply(y, z));
            return true;
        case 1:
            *result = Multiply(y, Multiply(x, z));
            return true;
        case 2:
            *result = Multiply(x, Multiply(z, y));
            return true;
        case 3:
            *result = Multiply(z, Multiply(x, y));
            return true;
        case 4:
            *result = Multiply(y, Multiply(z, x));
            return true;
        case 5:
        case 6:
            *result = Multiply(z, Multiply(y, x));
            return true;
        default:
            *result = IdentityMatrix();
            return false;
    }
}

// Heading and elevation of a direction in angle units; a vertical direction has heading 0.
Angles HeadingAndElevation(Vector3 dir) {
    float horizontal = std::sqrt(dir.x * dir.x + dir.y * dir.y);
    if (horizontal == 0.0f) {
        int32_t elevation = dir.z > 0.0f ? 1024 : dir.z < 0.0f ? -1024 : 0;
        return Angles{0, elevation, 0};
    }
    return Angles{RadiansToAngle(std::atan2(double(dir.y), double(dir.x))),
                  RadiansToAngle(std::atan2(double(dir.z), double(horizontal))), 0};
}

// Heading and elevation from dir, roll from up turned into the plane across dir.
Angles HeadingElevationRoll(const ObjectStruct &object) {
    Angles angles = HeadingAndElevation(object.dir);
    Vector3 up = object.up;
    float horizontal = std::sqrt(object.dir.x * object.dir.x + object.dir.y * object.dir.y);
    if (horizontal == 0.0f) {
        angles.x = RadiansToAngle(std::atan2(double(-up.x), double(up.y)));
        return angles;
    }
    Matrix3 turn = Multiply(RotationZ(angles.z), RotationY(-angles.y));
    Vector3 yAxis = Apply(turn, Vector3{0, 1, 0});
    Vector3 zAxis = Apply(turn, Vector3{0, 0, 1});
    angles.x = RadiansToAngle(std::atan2(double(Dot(up, yAxis)), double(Dot(up, zAxis))));
    return angles;
}

// Right-handed rotation by angle about the unit axis n.
Matrix3 RotationAbout(Vector3 n, int32_t angle) {
    float c = TableCos(angle), s = TableSin(angle), t = 1.0f - c;
    return Matrix3{{{c + t * n.x * n.x, t * n.x * n.y - s * n.z, t * n.x * n.z + s * n.y},
                    {t * n.x * n.y + s * n.z, c + t * n.y * n.y, t * n.y * n.z - s * n.x},
                    {t * n.x * n.z - s * n.y, t * n.y * n.z + s * n.x, c + t * n.z * n.z}}};
}

// dirMode 7 for objects: x onto dir exactly (no angle rounding), then the twist about dir.
Matrix3 DirectionWithTwist(Vector3 dir, int32_t twist) {
    float length = Length(dir);
    if (length == 0.0f || !std::isfinite(length)) return IdentityMatrix();
    float horizontal = std::sqrt(dir.x * dir.x + dir.y * dir.y);
    if (horizontal == 0.0f) {
        Matrix3 quarter = RotationY(dir.z > 0.0f ? -1024 : 1024);
        return Multiply(RotationZ(twist), quarter);
    }
    float cosElevation = horizontal / length, sinElevation = dir.z / length;
    float cosHeading = dir.x / horizontal, sinHeading = dir.y / horizontal;
    Matrix3 lift{{{cosElevation, 0, -sinElevation}, {0, 1, 0}, {sinElevation, 0, cosElevation}}};
    Matrix3 turn{{{cosHeading, -sinHeading, 0}, {sinHeading, cosHeading, 0}, {0, 0, 1}}};
    Vector3 axis{dir.x / length, dir.y / length, dir.z / length};
    return Multiply(RotationAbout(axis, twist), Multiply(turn, lift));
}

}  // namespace

bool BuildObjectOrientation(const ObjectStruct &object, Matrix3 *orientation) {
    switch (object.dirMode) {
        case 7:
            *orientation = DirectionWithTwist(object.dir, object.twist);
            return true;
        case 8:
            return BuildFromAngles(5, HeadingElevationRoll(object), orientation);
        default:
            return BuildFromAngles(
                object.dirMode, Angles{object.angleZ, object.angleY, object.angleX}, orientation);
    }
}

bool BuildCameraView(const ObjectStruct &camera, Matrix3 *view) {
    Angles angles{camera.angleZ, camera.angleY, camera.angleX};
    int32_t dirMode = camera.dirMode;
    if (dirMode == 7) {
        angles = HeadingAndElevation(camera.dir);
        angles.x = camera.twist;
        dirMode = 0;
    } else if (dirMode == 8) {
        angles = HeadingElevationRoll(camera);
        dirMode = 0;
    }
    return BuildFromAngles(dirMode, Angles{-angles.z, -angles.y, -angles.x}, view);
}

}  // namespace trazel

using namespace trazel;

extern "C" void LookAt(ObjectStruct *object, Vector3 target) {
    if (object == nullptr) return;
    Vector3 d = Subtract(target, PositionOf(*object));
    object->angleZ =
        (d.x != 0.0f || d.y != 0.0f) ? RadiansToAngle(std::atan2(double(d.y), double(d.x))) : 0;
    float horizontal = std::sqrt(d.x * d.x + d.y * d.y);
    object->angleY = (d.z != 0.0f || horizontal != 0.0f)
                         ? RadiansToAngle(std::atan2(double(d.z), double(horizontal)))
                         : 0;
    object->angleX = 0;
}
