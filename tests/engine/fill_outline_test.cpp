// The wire-frame outline: its line rule, clipping before stepping, and huge coordinates.
#include <climits>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "context.h"
#include "engine_fixture.h"
#include "fill.h"
#include "fill_test_support.h"

namespace {

constexpr TzColor kBlue = TZ_RGB(0, 0, 255);
constexpr uint32_t kBlueIndex = 252;
constexpr TzColor kWhite = TZ_RGB(255, 255, 255);

using Pixels = std::set<std::pair<int32_t, int32_t>>;

// The outline's line rule, stepped naively over every pixel: one pixel per step along the longer
// axis, and across it the pixel nearest the ideal line, halves going away from the start.
void AddLine(TzPoint start, TzPoint end, Pixels *pixels) {
    int64_t dx = end.x - start.x, dy = end.y - start.y;
    int64_t major = std::max(std::abs(dx), std::abs(dy));
    int64_t minor = std::min(std::abs(dx), std::abs(dy));
    for (int64_t t = 0; t <= major; ++t) {
        int64_t across = major == 0 ? 0 : (2 * t * minor + major) / (2 * major);
        int64_t alongX = std::abs(dx) >= std::abs(dy) ? t : across;
        int64_t alongY = std::abs(dx) >= std::abs(dy) ? across : t;
        pixels->insert({int32_t(start.x + (dx < 0 ? -alongX : alongX)),
                        int32_t(start.y + (dy < 0 ? -alongY : alongY))});
    }
}

std::string CoverageOfPixels(const Pixels &pixels, int32_t width, int32_t rows) {
    std::string picture;
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < width; ++x) picture += pixels.count({x, y}) ? '#' : '.';
        picture += '\n';
    }
    return picture;
}

class OutlineTest : public PaletteEngineTest {
  protected:
    void Resize(int32_t width, int32_t height) {
        ASSERT_NE(ResizeTrazel(nullptr, width, height), nullptr);
        ASSERT_EQ(TzPatBlt(kBlue), 1);
    }

    std::string Coverage() const { return CoverageOf(ReadScreen(), kBlueIndex); }
};

TEST_F(OutlineTest, RectangleOutlineIsItsBorderInWhite) {
    Resize(8, 6);
    trazel::DrawOutline(Rectangle(1, 1, 6, 4).data(), 4, kWhite);
    EXPECT_EQ(Coverage(),
              "........\n"
              ".######.\n"
              ".#....#.\n"
              ".#....#.\n"
              ".######.\n"
              "........\n");
    EXPECT_EQ(ReadScreen().At(1, 1), 255u);
}

TEST_F(OutlineTest, LinesLeavingTheBufferKeepExactlyTheirPixelsInside) {
    const int32_t width = 24, rows = 16;
    Resize(width, rows);
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> column(-40, 64), row(-30, 46);
    for (int round = 0; round < 300; ++round) {
        std::vector<TzPoint> ends{{column(random), row(random)}, {column(random), row(random)}};
        ASSERT_EQ(TzPatBlt(kBlue), 1);
        trazel::DrawOutline(ends.data(), 2, kWhite);
        Pixels expected;
        AddLine(ends[0], ends[1], &expected);
        AddLine(ends[1], ends[0], &expected);
        ASSERT_EQ(Coverage(), CoverageOfPixels(expected, width, rows))
            << "(" << ends[0].x << "," << ends[0].y << ") - (" << ends[1].x << "," << ends[1].y
            << ")";
    }
}

TEST_F(OutlineTest, HugeCoordinatesDrawOnlyTheVisiblePart) {
    Resize(8, 4);
    const int32_t far = 1000000000;
    std::vector<TzPoint> shallow{{-far, 0}, {far, 2}};
    trazel::DrawOutline(shallow.data(), 2, kWhite);
    EXPECT_EQ(Coverage(),
              "........\n"
              "########\n"
              "........\n"
              "........\n");
    ASSERT_EQ(TzPatBlt(kBlue), 1);
    std::vector<TzPoint> diagonal{{-far, -far}, {far, far}};
    trazel::DrawOutline(diagonal.data(), 2, kWhite);
    EXPECT_EQ(Coverage(),
              "#.......\n"
              ".#......\n"
              "..#.....\n"
              "...#....\n");
}

TEST_F(OutlineTest, ExtremeCoordinatesFinishWithinTheLentBuffer) {
    const int32_t width = 13, rows = 9, offset = 5, guard = 32;
    const uint8_t untouched = 0xAB;
    std::vector<uint8_t> memory(offset + size_t(width) * rows + guard, untouched);
    SetVirtualScreen(nullptr, memory.data() + offset, nullptr, nullptr, width, -rows, width);
    ASSERT_EQ(TzPatBlt(kBlue), 1);
    const std::vector<std::vector<TzPoint>> outlines{
        {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MAX, INT32_MIN}},
        {{INT32_MIN, 4}, {INT32_MAX, 5}, {6, INT32_MAX}, {7, INT32_MIN}},
        {{-1000000000, 3}, {1000000000, -999999999}, {12, 8}},
    };
    for (const auto &outline : outlines) {
        trazel::DrawOutline(outline.data(), static_cast<int32_t>(outline.size()), kWhite);
    }
    EXPECT_NE(Coverage().find('#'), std::string::npos);
    for (int32_t i = 0; i < offset; ++i) EXPECT_EQ(memory[i], untouched);
    for (size_t i = offset + size_t(width) * rows; i < memory.size(); ++i) {
        EXPECT_EQ(memory[i], untouched);
    }
}

TEST_F(OutlineTest, SinglePointOutlineIsOnePixelWhenInside) {
    Resize(4, 3);
    TzPoint inside{2, 1}, outside{4, 1};
    trazel::DrawOutline(&outside, 1, kWhite);
    trazel::DrawOutline(&inside, 1, kWhite);
    EXPECT_EQ(Coverage(),
              "....\n"
              "..#.\n"
              "....\n");
}

class TrueColorOutlineTest : public EngineTest {};

TEST_F(TrueColorOutlineTest, OutlineWritesTheRgbPixel) {
    ASSERT_NE(ResizeTrazel(nullptr, 5, 3), nullptr);
    ASSERT_EQ(TzPatBlt(kBlue), 1);
    std::vector<TzPoint> line{{0, 1}, {4, 1}};
    trazel::DrawOutline(line.data(), 2, TZ_RGB(0xFE, 0x80, 0x01));
    ScreenImage image = ReadScreen();
    for (int32_t x = 0; x < 5; ++x) {
        EXPECT_EQ(image.At(x, 0), 0x0000FFu);
        EXPECT_EQ(image.At(x, 1), 0xFE8001u);
    }
}

}  // namespace
