// Sine and cosine tables and the rotation matrices of angle units.
#include "angles.h"

#include <cmath>

namespace trazel {
namespace {

constexpr int32_t kTableSize = 4096;
float sinTable[kTableSize];
float cosTable[kTableSize];
bool tablesBuilt = false;

}  // namespace

void BuildAngleTables() {
    if (tablesBuilt) return;
    for (int32_t i = 0; i < kTableSize; ++i) {
        double radians = 2.0 * kPi * i / kTableSize;
        sinTable[i] = static_cast<float>(std::sin(radians));
        cosTable[i] = static_cast<float>(std::cos(radians));
    }
    tablesBuilt = true;
}

float TableSin(int32_t angle) {
    BuildAngleTables();
    return sinTable[angle & kAngleMask];
}

float TableCos(int32_t angle) {
    BuildAngleTables();
    return cosTable[angle & kAngleMask];
}

int32_t RadiansToAngle(double radians) {
    if (!std::isfinite(radians)) return 0;  // a direction made of NaN has none
    // Multiplying before dividing keeps exact quarter and half turns exact.
    return static_cast<int32_t>(radians * 2048.0 / kPi);
}

Matrix3 IdentityMatrix() {
    return Matrix3{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

Matrix3 Multiply(const Matrix3 &after, const Matrix3 &before) {
    Matrix3 product{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            product.m[row][column] = after.m[row][0] * before.m[0][column] +
                                     after.m[row][1] * before.m[1][column] +
                                     after.m[row][2] * before.m[2][column];
        }
    }
    return product;
}

Matrix3 Transpose(const Matrix3 &matrix) {
    Matrix3 result{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) result.m[row][column] = matrix.m[column][row];
    }
    return result;
}

Vector3 Apply(const Matrix3 &matrix, Vector3 v) {
    const auto &m = matrix.m;
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Matrix3 RotationZ(int32_t angle) {
    float c = TableCos(angle), s = TableSin(angle);
    return Matrix3{{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

Matrix3 RotationY(int32_t angle) {
    float c = TableCos(angle), s = TableSin(angle);
    return Matrix3{{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
}

Matrix3 RotationX(int32_t angle) {
    float c = TableCos(angle), s = TableSin(angle);
    return Matrix3{{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
}

float Length(Vector3 v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

}  // namespace trazel

extern "C" float FSin(int32_t angle) {
    return trazel::TableSin(angle);
}
extern "C" float FCos(int32_t angle) {
    return trazel::TableCos(angle);
}
