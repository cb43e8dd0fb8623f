// Clipping of fill polygons: rounding of crossings, the emission order and huge coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "fill_clip.h"

namespace {

using trazel::ClipColors;
using trazel::ClipPolygon;
using trazel::ClipToBuffer;
using trazel::MulDivRounded;

struct Corner {
    int32_t x, y;
    int red = 0;
    bool operator==(const Corner &other) const = default;
};

void PrintTo(const Corner &corner, std::ostream *out) {
    *out << "(" << corner.x << ", " << corner.y << ", red " << corner.red << ")";
}

ClipPolygon PolygonOf(const std::vector<Corner> &corners) {
    ClipPolygon polygon;
    for (const Corner &corner : corners) {
        polygon.points[polygon.count] = TzPoint{corner.x, corner.y};
        polygon.channels[polygon.count][0] = static_cast<uint8_t>(corner.red);
        polygon.channels[polygon.count][1] = 7;
        polygon.channels[polygon.count][2] = 9;
        ++polygon.count;
    }
    return polygon;
}

std::vector<Corner> CornersOf(const ClipPolygon &polygon, ClipColors colors) {
    std::vector<Corner> corners;
    for (int32_t i = 0; i < polygon.count; ++i) {
        int red = colors == ClipColors::Interpolate ? polygon.channels[i][0] : 0;
        corners.push_back(Corner{polygon.points[i].x, polygon.points[i].y, red});
    }
    return corners;
}

std::vector<Corner> Clipped(const std::vector<Corner> &corners, int32_t width, int32_t rows,
                            ClipColors colors = ClipColors::Ignore) {
    ClipPolygon polygon = PolygonOf(corners);
    if (!ClipToBuffer(polygon, width, rows, colors)) return {};
    return CornersOf(polygon, colors);
}

TEST(MulDivRoundedTest, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRounded(5, 1, 4), 1);    // 1.25
    EXPECT_EQ(MulDivRounded(7, 1, 4), 2);    // 1.75
    EXPECT_EQ(MulDivRounded(3, 1, 2), 2);    // 1.5
    EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);  // -1.5
    EXPECT_EQ(MulDivRounded(3, -1, 2), -2);
    EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
    EXPECT_EQ(MulDivRounded(-3, -1, -2), -2);
    EXPECT_EQ(MulDivRounded(-3, -1, 2), 2);
    EXPECT_EQ(MulDivRounded(1, 1, 3), 0);    // 0.33
    EXPECT_EQ(MulDivRounded(-1, 1, 3), 0);   // -0.33
    EXPECT_EQ(MulDivRounded(-2, 1, 3), -1);  // -0.67
    EXPECT_EQ(MulDivRounded(0, -5, 7), 0);
}

TEST(MulDivRoundedTest, KeepsProductsBeyondThirtyTwoBits) {
    EXPECT_EQ(MulDivRounded(2000000000, 2000000000, 3), 1333333333333333333);
    EXPECT_EQ(MulDivRounded(-2147483648LL, 2147483647LL, 2147483647LL), -2147483648LL);
}

TEST(ClipToBufferTest, PolygonInsideIsKeptAsGiven) {
    std::vector<Corner> triangle{{1, 1}, {6, 2}, {3, 7}};
    EXPECT_EQ(Clipped(triangle, 8, 8), triangle);
}

TEST(ClipToBufferTest, PolygonWhollyLeftOrBelowLeavesNothing) {
    EXPECT_TRUE(Clipped({{-9, 0}, {-1, 3}, {-5, 7}}, 8, 8).empty());
    EXPECT_TRUE(Clipped({{0, 8}, {7, 9}, {3, 12}}, 8, 8).empty());
}

TEST(ClipToBufferTest, CrossingTheLeftBorderRoundsTheCrossingRow) {
    // The edge (-3, 1) -> (5, 6) meets x = 0 at y = 1 + 15 / 8 = 2.875.
    std::vector<Corner> expected{{0, 1}, {0, 3}, {5, 6}, {5, 1}};
    EXPECT_EQ(Clipped({{-3, 1}, {5, 6}, {5, 1}}, 8, 8), expected);
}

TEST(ClipToBufferTest, EdgeFromLeftToRightEmitsBothCrossingsInOrder) {
    std::vector<Corner> expected{{0, 1}, {8, 3}, {8, 4}, {0, 4}};
    EXPECT_EQ(Clipped({{-4, 0}, {12, 4}, {-4, 4}}, 9, 10), expected);
}

TEST(ClipToBufferTest, RowCrossingsRoundHalvesAwayFromTheEdgeStart) {
    // (0, -1) -> (5, 1) meets y = 0 at x = 2.5; (5, -1) -> (0, 1) at x = 5 - 2.5.
    std::vector<Corner> rightwards{{0, 0}, {3, 0}, {5, 1}, {0, 1}};
    EXPECT_EQ(Clipped({{0, -1}, {5, 1}, {0, 1}}, 8, 4), rightwards);
    std::vector<Corner> leftwards{{5, 0}, {2, 0}, {0, 1}, {5, 1}};
    EXPECT_EQ(Clipped({{5, -1}, {0, 1}, {5, 1}}, 8, 4), leftwards);
}

TEST(ClipToBufferTest, CrossingColoursAreInterpolatedWithTheSameRounding) {
    // Both crossings lie half-way along edges between red 0 and red 255.
    std::vector<Corner> expected{{0, 0, 127}, {0, 2, 128}, {2, 4, 255}, {2, 0, 255}};
    auto clipped = Clipped({{-2, 0, 0}, {2, 4, 255}, {2, 0, 255}}, 8, 8, ClipColors::Interpolate);
    EXPECT_EQ(clipped, expected);
}

TEST(ClipToBufferTest, HugeSquareBecomesTheBufferRectangle) {
    const int32_t far = 1000000000;
    std::vector<Corner> expected{{0, 9}, {0, 0}, {9, 0}, {9, 9}};
    EXPECT_EQ(Clipped({{-far, -far}, {far, -far}, {far, far}, {-far, far}}, 10, 10), expected);
}

TEST(ClipToBufferTest, ExtremeCoordinatesStayInsideTheBuffer) {
    const std::vector<std::vector<Corner>> polygons{
        {{INT32_MIN, 5}, {INT32_MAX, 6}, {0, INT32_MIN}},
        {{INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MAX}, {INT32_MIN, INT32_MIN}},
        {{-1073741824, 3}, {1073741824, 4}, {1073741824, 2}, {-1073741824, -1073741824}},
    };
    for (const auto &polygon : polygons) {
        ClipPolygon clipped = PolygonOf(polygon);
        for (int32_t i = 0; i < clipped.count; ++i) {
            clipped.points[i] = trazel::ClampedPoint(clipped.points[i]);
        }
        ClipToBuffer(clipped, 640, 480, ClipColors::Interpolate);
        EXPECT_LE(clipped.count, trazel::kMaxClipPoints);
        for (int32_t i = 0; i < clipped.count; ++i) {
            EXPECT_GE(clipped.points[i].x, 0);
            EXPECT_LT(clipped.points[i].x, 640);
            EXPECT_GE(clipped.points[i].y, 0);
            EXPECT_LT(clipped.points[i].y, 480);
        }
    }
}

TEST(ClipToBufferTest, ZigzagAcrossBothBordersFitsTheClipBuffer) {
    // Every edge of this star crosses both column borders, the worst case for the point count.
    std::vector<Corner> star;
    for (int i = 0; i < TZ_MAX_FILL_POINTS; ++i) star.push_back({i % 2 ? 50 : -50, i});
    ClipPolygon polygon = PolygonOf(star);
    ASSERT_TRUE(ClipToBuffer(polygon, 10, 10, ClipColors::Ignore));
    EXPECT_LE(polygon.count, trazel::kMaxClipPoints);
}

}  // namespace
