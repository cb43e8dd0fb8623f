// Ground geometry: headings with their float rounding, moves along them, distances; the random
// generator's sequence.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "battle/geometry.h"
#include "battle/random.h"
#include "trazel.h"

using namespace battle;

namespace {

class GeometryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(OpenTrazel(0), 1); }
    void TearDown() override { CloseTrazel(); }
};

TEST_F(GeometryTest, HeadingsOfTheAxesAndDiagonals) {
    GroundPoint origin{0, 0};
    EXPECT_EQ(HeadingTo(origin, {10, 0}), 2048);
    EXPECT_EQ(HeadingTo(origin, {0, 10}), -1024);
    EXPECT_EQ(HeadingTo(origin, {0, -10}), 1024);
    EXPECT_EQ(HeadingTo(origin, {10, 10}), -1536);
    // Not 0: the float rounding of the intermediate values leaves 2047.99.. before truncation.
    EXPECT_EQ(HeadingTo(origin, {-10, 0}), 1);
    EXPECT_EQ(HeadingTo({3, 4}, {3, 4}), kNoHeading);
}

TEST_F(GeometryTest, HeadingsDependOnlyOnTheDifference) {
    EXPECT_EQ(HeadingTo({100, -50}, {110, -50}), 2048);
    EXPECT_EQ(HeadingTo({-7, 7}, {-7, 17}), -1024);
}

TEST_F(GeometryTest, MovingAlongTheHeadingToAPointGoesTowardsIt) {
    const GroundPoint targets[] = {{10, 0},  {0, 10},    {-10, 0}, {0, -10},
                                   {30, 40}, {-200, 75}, {5, -300}};
    for (GroundPoint target : targets) {
        GroundPoint moved = MoveAlong({0, 0}, HeadingTo({0, 0}, target), 10.0f);
        float length = Distance({0, 0}, target);
        EXPECT_NEAR(moved.x, target.x * 10 / length, 0.05) << target.x << "," << target.y;
        EXPECT_NEAR(moved.y, target.y * 10 / length, 0.05) << target.x << "," << target.y;
    }
}

TEST_F(GeometryTest, NoHeadingMeansNoMove) {
    GroundPoint p{12.5f, -3};
    EXPECT_EQ(MoveAlong(p, kNoHeading, 50), p);
    EXPECT_EQ(MoveAlong(p, HeadingTo(p, p), 50), p);
}

TEST_F(GeometryTest, DistanceIsEuclidean) {
    EXPECT_EQ(Distance({1, 1}, {4, 5}), 5.0f);
    EXPECT_EQ(Distance({1, 1}, {1, 1}), 0.0f);
}

// Two linked PCs agree only while their maths agree bit for bit. A C library whose sine or arc
// tangent rounds one value differently would split a versus match: these sums catch that.
uint32_t Fnv1a(uint32_t hash, uint32_t value) {
    for (int i = 0; i < 4; ++i) hash = (hash ^ ((value >> (8 * i)) & 0xFF)) * 16777619u;
    return hash;
}

TEST_F(GeometryTest, TheAngleTablesAndHeadingsGiveTheCommittedChecksums) {
    uint32_t tables = 2166136261u;
    for (int32_t angle = 0; angle < 4096; ++angle) {
        tables = Fnv1a(tables, std::bit_cast<uint32_t>(FSin(angle)));
        tables = Fnv1a(tables, std::bit_cast<uint32_t>(FCos(angle)));
    }
    uint32_t headings = 2166136261u;
    for (float x = -1000.0f; x <= 1000.0f; x += 7.25f) {
        for (float y = -1000.0f; y <= 1000.0f; y += 13.5f)
            headings = Fnv1a(headings, static_cast<uint32_t>(HeadingTo({0.5f, -0.25f}, {x, y})));
    }
    EXPECT_EQ(tables, 2047168375u);
    EXPECT_EQ(headings, 3682973883u);
}

TEST(RandomSequence, StartsFromStateOneAndRepeatsAfterReseeding) {
    SeedRandom(1);
    const int32_t expected[] = {346, 130, 10982, 1090, 11656};
    for (int32_t value : expected) EXPECT_EQ(NextRandom(), value);
    SeedRandom(1);
    EXPECT_EQ(NextRandom(), 346);
    SeedRandom(12345);
    int32_t first = NextRandom();
    SeedRandom(12345);
    EXPECT_EQ(NextRandom(), first);
}

TEST(RandomSequence, ValuesStayWithinFifteenBits) {
    SeedRandom(99);
    for (int i = 0; i < 100000; ++i) {
        int32_t value = NextRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 0x7FFF);
    }
}

}  // namespace
