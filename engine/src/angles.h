// Angles in 1/4096 turns, the sine and cosine tables, and rotation matrices built from them.
#pragma once

#include "trazel.h"

namespace trazel {

constexpr int32_t kAngleMask = 4095;
constexpr double kPi = 3.14159265358979323846;

// Fills the 4096-entry sine and cosine tables (once per process; their content never changes).
void BuildAngleTables();
float TableSin(int32_t angle);
float TableCos(int32_t angle);

// Radians to angle units, truncated towards zero; 0 for a non-finite value.
int32_t RadiansToAngle(double radians);

// A 3x3 matrix applied to column vectors: out = m * v.
struct Matrix3 {
    float m[3][3];
};

Matrix3 IdentityMatrix();
Matrix3 Multiply(const Matrix3 &after, const Matrix3 &before);  // applies before, then after
Matrix3 Transpose(const Matrix3 &matrix);
Vector3 Apply(const Matrix3 &matrix, Vector3 v);
Matrix3 RotationZ(int32_t angle);
Matrix3 RotationY(int32_t angle);
Matrix3 RotationX(int32_t angle);

// Vector helpers.
inline Vector3 Subtract(Vector3 a, Vector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector3 Add(Vector3 a, Vector3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline float Dot(Vector3 a, Vector3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
float Length(Vector3 v);
inline Vector3 PositionOf(const ObjectStruct &object) {
    return {object.x, object.y, object.z};
}

}  // namespace trazel
