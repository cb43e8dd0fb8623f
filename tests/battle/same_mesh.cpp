// Field-by-field mesh comparison; floats compared by their bits, so a round trip must be exact.
#include "same_mesh.h"

#include <gtest/gtest.h>

#include <cstring>

void ExpectSameMesh(const ObjectData &a, const ObjectData &b) {
    ASSERT_EQ(a.pntNum, b.pntNum);
    ASSERT_EQ(a.plnNum, b.plnNum);
    ASSERT_EQ(a.materialNum, b.materialNum);
    EXPECT_EQ(std::memcmp(&a.radius, &b.radius, sizeof a.radius), 0);
    EXPECT_EQ(std::memcmp(a.pnt, b.pnt, sizeof(Vector3) * a.pntNum), 0);
    EXPECT_EQ(std::memcmp(a.shadingVector, b.shadingVector, sizeof(Vector3) * a.pntNum), 0);
    for (int32_t i = 0; i < a.plnNum; ++i) {
        const PlaneData &p = a.pln[i], &q = b.pln[i];
        EXPECT_EQ(p.material, q.material) << "plane " << i;
        EXPECT_EQ(std::memcmp(p.color, q.color, sizeof p.color), 0) << "plane " << i;
        EXPECT_EQ(std::memcmp(&p.normal, &q.normal, sizeof(Vector3)), 0) << "plane " << i;
        ASSERT_EQ(p.pntNum, q.pntNum) << "plane " << i;
        EXPECT_EQ(std::memcmp(p.pnt, q.pnt, sizeof(int32_t) * p.pntNum), 0) << "plane " << i;
    }
    for (int32_t i = 0; i < a.materialNum; ++i) {
        const MaterialData &m = a.material[i], &n = b.material[i];
        EXPECT_EQ(m.red, n.red) << "material " << i;
        EXPECT_EQ(m.green, n.green) << "material " << i;
        EXPECT_EQ(m.blue, n.blue) << "material " << i;
        EXPECT_EQ(std::memcmp(&m.highlight, &n.highlight, sizeof m.highlight), 0)
            << "material " << i;
    }
}
