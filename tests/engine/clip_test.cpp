// Near-plane clipping of a plane's corners: kept corners, crossing points and their colours.
#include "clip.h"

#include <gtest/gtest.h>

namespace {

using trazel::CornerView;
using trazel::Projection;

const Projection kProjection{320, 240, 300};
constexpr float kClip = 30;

// A corner in view coordinates, with its screen point worked out as the frame pipeline does.
CornerView Corner(float depth, float y, float z, TzColor color = 0) {
    CornerView corner{depth, y, z, {-1, -1}, color};
    if (depth >= kClip) corner.screen = trazel::ProjectInFrame(kProjection, y, z, depth);
    return corner;
}

std::vector<TzPoint> Clip(const std::vector<CornerView> &corners,
                          std::vector<TzColor> *colors = nullptr) {
    TzPoint points[16];
    TzColor clipped[16];
    int32_t count = trazel::ClipToNearPlane(corners.data(), static_cast<int32_t>(corners.size()),
                                            kClip, kProjection, points, colors ? clipped : nullptr);
    if (colors) colors->assign(clipped, clipped + count);
    return std::vector<TzPoint>(points, points + count);
}

bool operator==(TzPoint a, TzPoint b) {
    return a.x == b.x && a.y == b.y;
}

TEST(NearClip, OneCornerInFrontGivesTheCornerAndTwoCrossings) {
    // A at depth 60; B and C at depth 0. Crossings at t = 0.5 along C->A and A->B.
    std::vector<CornerView> triangle{Corner(60, 30, 0), Corner(0, -30, 0), Corner(0, 30, 30)};
    std::vector<TzPoint> points = Clip(triangle);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_TRUE(points[0] == (TzPoint{20, 90}));    // C->A crossing: y 30, z 15 at depth 30
    EXPECT_TRUE(points[1] == triangle[0].screen);   // A itself: (320 - 150, 240)
    EXPECT_TRUE(points[2] == (TzPoint{320, 240}));  // A->B crossing: y 0, z 0
}

TEST(NearClip, TwoCornersInFrontGiveFourPoints) {
    std::vector<CornerView> triangle{Corner(60, 30, 0), Corner(60, -30, 0), Corner(0, 0, 30)};
    std::vector<TzPoint> points = Clip(triangle);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_TRUE(points[0] == (TzPoint{170, 90}));  // C->A crossing at t = 0.5: y 15, z 15
    EXPECT_TRUE(points[1] == triangle[0].screen);
    EXPECT_TRUE(points[2] == triangle[1].screen);
    EXPECT_TRUE(points[3] == (TzPoint{470, 90}));  // B->C crossing at t = 0.5: y -15, z 15
}

TEST(NearClip, NothingBeyondTheClipDistanceDropsThePlane) {
    EXPECT_TRUE(Clip({Corner(30, 0, 0), Corner(10, 5, 0), Corner(30, 5, 5)}).empty());
    EXPECT_TRUE(Clip({Corner(1, 0, 0), Corner(2, 5, 0), Corner(3, 5, 5)}).empty());
}

TEST(NearClip, WholePlaneCheckCountsCornersExactlyAtTheDistanceAsInFront) {
    std::vector<CornerView> atDistance{Corner(30, 0, 0), Corner(30, 5, 0), Corner(30, 5, 5)};
    EXPECT_TRUE(trazel::WhollyInFront(atDistance.data(), 3, kClip));
    atDistance[1].depth = 29.99f;
    EXPECT_FALSE(trazel::WhollyInFront(atDistance.data(), 3, kClip));
}

TEST(NearClip, CrossingColoursBlendAlongTheirEdgeFromThePreviousCorner) {
    std::vector<CornerView> triangle{Corner(60, 30, 0, TZ_RGB(200, 100, 0)),
                                     Corner(0, -30, 0, TZ_RGB(0, 0, 0)),
                                     Corner(0, 30, 30, TZ_RGB(0, 255, 51))};
    std::vector<TzColor> colors;
    ASSERT_EQ(Clip(triangle, &colors).size(), 3u);
    EXPECT_EQ(colors[0], TZ_RGB(100, 177, 25));  // C->A at t = 0.5: 0 + 200 * 0.5, 255 - 155 * 0.5
    EXPECT_EQ(colors[1], TZ_RGB(200, 100, 0));
    EXPECT_EQ(colors[2], TZ_RGB(100, 50, 0));  // A->B at t = 0.5
}

TEST(NearClip, FoldedPlaneNeverWritesMoreThanTwicePerCorner) {
    std::vector<CornerView> zigzag;
    for (int i = 0; i < 8; ++i)
        zigzag.push_back(Corner(i % 2 ? 10 : 60, float(i * 7 - 20), float(i % 3), 0));
    EXPECT_LE(Clip(zigzag).size(), 16u);
    EXPECT_EQ(Clip(zigzag).size(), 12u);  // four corners in front, each with two crossings
}

}  // namespace
