// The edge walk: error-term stepping, slots by direction, memory rows and the colour walk.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fill_edges.h"

namespace {

using trazel::ClipPolygon;
using trazel::EdgeColors;
using trazel::EdgeRow;
using trazel::ErrorStepper;
using trazel::FillTarget;
using trazel::RowOrder;
using trazel::RowRange;
using trazel::WalkEdges;

class EdgeWalkTest : public ::testing::Test {
  protected:
    FillTarget TargetOf(int32_t rows, RowOrder order) {
        edges.assign(rows, EdgeRow{{-1, -1}, {{0, 0, 0}, {0, 0, 0}}});
        return FillTarget{nullptr, 16, rows, 16, 1, order, edges.data()};
    }

    static ClipPolygon PolygonOf(const std::vector<TzPoint> &points,
                                 const std::vector<uint8_t> &reds = {}) {
        ClipPolygon polygon;
        for (size_t i = 0; i < points.size(); ++i) {
            polygon.points[i] = points[i];
            polygon.channels[i][0] = reds.empty() ? 0 : reds[i];
            polygon.channels[i][1] = polygon.channels[i][2] = 0;
        }
        polygon.count = static_cast<int32_t>(points.size());
        return polygon;
    }

    std::vector<int32_t> Slot(int slot) const {
        std::vector<int32_t> values;
        for (const EdgeRow &row : edges) values.push_back(row.x[slot]);
        return values;
    }

    std::vector<int32_t> Reds(int slot) const {
        std::vector<int32_t> values;
        for (const EdgeRow &row : edges) values.push_back(row.channel[slot][0]);
        return values;
    }

    std::vector<EdgeRow> edges;
};

TEST_F(EdgeWalkTest, EdgeToLargerRowsFillsTheFirstSlotStartingFromItsFirstPoint) {
    FillTarget target = TargetOf(3, RowOrder::TopDown);
    ClipPolygon triangle = PolygonOf({{0, 0}, {5, 2}, {0, 2}});
    RowRange range;
    ASSERT_TRUE(WalkEdges(triangle, target, EdgeColors::Ignore, &range));
    EXPECT_EQ(range.lowest, 0);
    EXPECT_EQ(range.highest, 2);
    EXPECT_EQ(Slot(0), (std::vector<int32_t>{0, 2, 5}));
    EXPECT_EQ(Slot(1), (std::vector<int32_t>{0, 0, 0}));
}

TEST_F(EdgeWalkTest, EdgeToSmallerRowsFillsTheSecondSlotWalkingFromItsOwnStart) {
    FillTarget target = TargetOf(3, RowOrder::TopDown);
    ClipPolygon triangle = PolygonOf({{0, 0}, {0, 2}, {5, 2}});
    RowRange range;
    ASSERT_TRUE(WalkEdges(triangle, target, EdgeColors::Ignore, &range));
    EXPECT_EQ(Slot(0), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(Slot(1), (std::vector<int32_t>{0, 3, 5}));
}

TEST_F(EdgeWalkTest, BottomUpBufferWalksMirroredMemoryRows) {
    FillTarget target = TargetOf(4, RowOrder::BottomUp);
    ClipPolygon triangle = PolygonOf({{0, 0}, {5, 2}, {0, 2}});
    RowRange range;
    ASSERT_TRUE(WalkEdges(triangle, target, EdgeColors::Ignore, &range));
    EXPECT_EQ(range.lowest, 1);
    EXPECT_EQ(range.highest, 3);
    EXPECT_EQ(Slot(0), (std::vector<int32_t>{-1, 0, 0, 0}));
    EXPECT_EQ(Slot(1), (std::vector<int32_t>{-1, 5, 2, 0}));
}

TEST_F(EdgeWalkTest, PolygonWithinOneRowFillsNothing) {
    FillTarget target = TargetOf(4, RowOrder::TopDown);
    ClipPolygon sliver = PolygonOf({{1, 2}, {6, 2}, {3, 2}});
    RowRange range;
    EXPECT_FALSE(WalkEdges(sliver, target, EdgeColors::Ignore, &range));
}

TEST_F(EdgeWalkTest, ColoursAreWalkedBesideTheirRows) {
    FillTarget target = TargetOf(5, RowOrder::TopDown);
    ClipPolygon quad = PolygonOf({{0, 0}, {3, 0}, {3, 4}, {0, 4}}, {0, 0, 5, 80});
    RowRange range;
    ASSERT_TRUE(WalkEdges(quad, target, EdgeColors::Walk, &range));
    EXPECT_EQ(Reds(0), (std::vector<int32_t>{0, 1, 2, 4, 5}));
    EXPECT_EQ(Reds(1), (std::vector<int32_t>{0, 20, 40, 60, 80}));
}

// Steps a stepper count times; fails when a value strays more than tolerance from the straight
// line through start and end or moves backwards. Returns the last value.
int32_t StepAlong(int32_t start, int32_t end, int32_t count, int32_t initialError,
                  double tolerance) {
    ErrorStepper stepper(start, end, count, initialError);
    int32_t previous = stepper.Value();
    for (int32_t step = 1; step <= count; ++step) {
        stepper.Advance();
        double exact = start + double(end - start) * step / count;
        EXPECT_LE(std::fabs(stepper.Value() - exact), tolerance)
            << start << "->" << end << " in " << count << " step " << step;
        EXPECT_GE((stepper.Value() - previous) * (end - start), 0);
        previous = stepper.Value();
    }
    return stepper.Value();
}

// Edges start their error at half the count, so every row's x is the nearest one.
TEST(ErrorStepperTest, EdgeStepperReachesItsEndWithoutStraying) {
    for (int32_t count = 1; count <= 40; ++count) {
        for (int32_t start : {0, 7, 300}) {
            for (int32_t end : {0, 1, 39, 41, 80, 299, 301, 1000}) {
                EXPECT_EQ(StepAlong(start, end, count, count / 2, 0.5), end)
                    << start << "->" << end << " in " << count;
            }
        }
    }
}

// Spans start their error at the full count, so their values may lag behind by up to one.
TEST(ErrorStepperTest, SpanStepperStaysWithinOneOfTheLineWithoutOvershooting) {
    for (int32_t count = 1; count <= 40; ++count) {
        for (int32_t start : {0, 7, 80}) {
            for (int32_t end : {0, 1, 39, 41, 80}) {
                int32_t last = StepAlong(start, end, count, count, 1.0);
                EXPECT_LE(std::abs(last - start), std::abs(end - start));
            }
        }
    }
}

}  // namespace
