// The palette-mode fillers, pixel for pixel: clipping, spans, halftone and Gouraud dither, row
// order, lent buffers and refusals.
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "context.h"
#include "engine_fixture.h"
#include "fill_palette.h"
#include "fill_test_support.h"

namespace {

constexpr TzColor kBlue = TZ_RGB(0, 0, 255);  // the background: no red-ish fill uses its index
constexpr uint32_t kBlueIndex = 252;
constexpr TzColor kRed = TZ_RGB(255, 0, 0);
constexpr uint32_t kRedIndex = 249;

// The ordered-dither thresholds by memory row and column, as the renderer documents them.
constexpr int kThreshold[4][4] = {{1, 11, 3, 9}, {15, 5, 13, 7}, {4, 10, 2, 12}, {14, 8, 16, 6}};

enum class Filler { Flat, Halftone, Gouraud };
constexpr Filler kFillers[] = {Filler::Flat, Filler::Halftone, Filler::Gouraud};

int32_t Fill(Filler filler, const std::vector<TzPoint> &points, TzColor color) {
    auto count = static_cast<int32_t>(points.size());
    switch (filler) {
        case Filler::Flat:
            return TzFillPolygon(points.data(), count, color);
        case Filler::Halftone:
            return TzFillPolygonHalftone(points.data(), count, color);
        case Filler::Gouraud:
            break;
    }
    std::vector<TzColor> colors(points.size(), color);
    return TzFillPolygonGouraudShading(points.data(), count, colors.data());
}

int32_t FillShaded(const std::vector<TzPoint> &points, const std::vector<TzColor> &colors) {
    return TzFillPolygonGouraudShading(points.data(), static_cast<int32_t>(points.size()),
                                       colors.data());
}

// The halftone pixel of a colour at one memory row and column, straight from the dither rule.
uint32_t HalftonePixel(TzColor color, int32_t memoryRow, int32_t x) {
    int threshold = kThreshold[memoryRow % 4][x % 4];
    int levels[3];
    int channels[3] = {TZ_RED(color), TZ_GREEN(color), TZ_BLUE(color)};
    for (int i = 0; i < 3; ++i) {
        int fraction = (channels[i] % 51) * 16 / 51;
        levels[i] = channels[i] / 51 + (threshold < fraction ? 1 : 0);
    }
    return trazel::kCubeToPalette[levels[0] + 6 * levels[1] + 36 * levels[2]];
}

class PaletteFillTest : public PaletteEngineTest {
  protected:
    // An engine-made buffer: rows stored bottom-up.
    void Resize(int32_t width, int32_t height) {
        ASSERT_NE(ResizeTrazel(nullptr, width, height), nullptr);
        ASSERT_EQ(TzPatBlt(kBlue), 1);
    }

    // A client's buffer with rows stored top-down, so memory rows are screen rows.
    void LendTopDown(int32_t width, int32_t rows) {
        lent.assign(size_t(width) * rows, 0);
        SetVirtualScreen(nullptr, lent.data(), nullptr, nullptr, width, -rows, width);
        ASSERT_EQ(TzPatBlt(kBlue), 1);
    }

    std::string Coverage() const { return CoverageOf(ReadScreen(), kBlueIndex); }

    std::vector<uint8_t> lent;
};

TEST_F(PaletteFillTest, TrianglesWhollyOffTheBufferDrawNothing) {
    Resize(8, 8);
    ScreenImage before = ReadScreen();
    for (Filler filler : kFillers) {
        EXPECT_EQ(Fill(filler, {{-9, 0}, {-1, 3}, {-5, 7}}, kRed), 0);
        EXPECT_EQ(Fill(filler, {{0, 8}, {7, 9}, {3, 12}}, kRed), 0);
        EXPECT_EQ(Fill(filler, {{8, 0}, {12, 4}, {9, 7}}, kRed), 0);
        EXPECT_EQ(Fill(filler, {{0, -1}, {7, -9}, {3, -2}}, kRed), 0);
    }
    EXPECT_EQ(ReadScreen(), before);
}

TEST_F(PaletteFillTest, TriangleCrossingTheLeftBorderStartsAtTheRoundedCrossingRow) {
    Resize(8, 8);
    // The edge (-3, 1) -> (5, 6) meets x = 0 at y = 2.875, which rounds to row 3.
    EXPECT_EQ(TzFillPolygon(std::vector<TzPoint>{{-3, 1}, {5, 6}, {5, 1}}.data(), 3, kRed), 1);
    EXPECT_EQ(Coverage(),
              "........\n"
              "######..\n"
              "######..\n"
              "######..\n"
              "..####..\n"
              "...###..\n"
              ".....#..\n"
              "........\n");
}

TEST_F(PaletteFillTest, HorizontalSliverDrawsNothingInAnyFiller) {
    Resize(8, 8);
    ScreenImage before = ReadScreen();
    for (Filler filler : kFillers) {
        EXPECT_EQ(Fill(filler, {{1, 3}, {6, 3}, {4, 3}}, kRed), 0);
        EXPECT_EQ(Fill(filler, {{-5, 0}, {20, 0}}, kRed), 0);
    }
    EXPECT_EQ(ReadScreen(), before);
}

TEST_F(PaletteFillTest, SpansOfEveryLengthAndAlignmentMatchAPerPixelReference) {
    const int32_t width = 48, rows = 6;
    const TzColor mixed = TZ_RGB(100, 180, 30);
    Resize(width, rows);
    for (Filler filler : {Filler::Flat, Filler::Halftone}) {
        for (int32_t left = 0; left < 8; ++left) {
            for (int32_t length = 1; length <= 40; ++length) {
                ASSERT_EQ(TzPatBlt(kBlue), 1);
                int32_t right = left + length - 1;
                ASSERT_EQ(Fill(filler, Rectangle(left, 1, right, 4), mixed), 1);
                ScreenImage image = ReadScreen();
                for (int32_t y = 0; y < rows; ++y) {
                    for (int32_t x = 0; x < width; ++x) {
                        uint32_t expected = kBlueIndex;
                        if (x >= left && x <= right && y >= 1 && y <= 4) {
                            expected = filler == Filler::Flat
                                           ? trazel::PaletteIndexOf(mixed)
                                           : HalftonePixel(mixed, rows - 1 - y, x);
                        }
                        ASSERT_EQ(image.At(x, y), expected)
                            << "span " << left << ".." << right << " pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(PaletteFillTest, WhiteIsPaletteIndex255InFlatAndHalftoneFills) {
    Resize(8, 8);
    for (Filler filler : {Filler::Flat, Filler::Halftone}) {
        ASSERT_EQ(Fill(filler, Rectangle(0, 0, 7, 7), TZ_RGB(255, 255, 255)), 1);
        for (uint32_t pixel : ReadScreen().pixels) ASSERT_EQ(pixel, 255u);
        ASSERT_EQ(TzPatBlt(kBlue), 1);
    }
}

TEST_F(PaletteFillTest, DarkRedHalftoneLiftsTheSixCellsBelowItsFractionToLevelOne) {
    LendTopDown(4, 4);
    // Red 25 is level 0 with fraction 7: thresholds 1..6 take level 1 (index 29), others 0.
    ASSERT_EQ(TzFillPolygonHalftone(Rectangle(0, 0, 3, 3).data(), 4, TZ_RGB(25, 0, 0)), 1);
    EXPECT_EQ(ValuesOf(ReadScreen()),
              "29 0 29 0\n"
              "0 29 0 0\n"
              "29 0 29 0\n"
              "0 0 0 29\n");
}

TEST_F(PaletteFillTest, DitherFollowsMemoryRowsSoABottomUpBufferShowsThePatternMirrored) {
    Resize(4, 4);
    ASSERT_EQ(TzFillPolygonHalftone(Rectangle(0, 0, 3, 3).data(), 4, TZ_RGB(25, 0, 0)), 1);
    EXPECT_EQ(ValuesOf(ReadScreen()),
              "0 0 0 29\n"
              "29 0 29 0\n"
              "0 29 0 0\n"
              "29 0 29 0\n");
}

TEST_F(PaletteFillTest, FlatFillShowsTheSameOnBottomUpAndTopDownBuffers) {
    const std::vector<TzPoint> polygon{{2, -3}, {11, 4}, {6, 9}, {-2, 5}};
    Resize(10, 8);
    ASSERT_EQ(TzFillPolygon(polygon.data(), 4, kRed), 1);
    ScreenImage bottomUp = ReadScreen();
    const uint8_t *lastMemoryRow =
        static_cast<const uint8_t *>(trazel::context.back.bits) + 7 * trazel::context.back.stride;
    for (int32_t x = 0; x < 10; ++x) EXPECT_EQ(lastMemoryRow[x], bottomUp.At(x, 0));
    LendTopDown(10, 8);
    ASSERT_EQ(TzFillPolygon(polygon.data(), 4, kRed), 1);
    EXPECT_EQ(ReadScreen(), bottomUp);
    EXPECT_NE(Coverage().find('#'), std::string::npos);
}

TEST(Level81Test, MapsChannelsOntoEightyOneSteps) {
    EXPECT_EQ(trazel::Level81(0), 0);
    EXPECT_EQ(trazel::Level81(128), 41);
    EXPECT_EQ(trazel::Level81(255), 80);
}

TEST_F(PaletteFillTest, GouraudOfUniformMidRedDithersHalfTheCellsUp) {
    LendTopDown(4, 4);
    // 128 is 41 on the Gouraud scale: level 2, fraction 9, so thresholds 1..8 reach level 3.
    std::vector<TzColor> colors(4, TZ_RGB(128, 0, 0));
    ASSERT_EQ(FillShaded(Rectangle(0, 0, 3, 3), colors), 1);
    EXPECT_EQ(ValuesOf(ReadScreen()),
              "31 30 31 30\n"
              "30 31 30 31\n"
              "31 30 31 30\n"
              "30 31 30 31\n");
}

TEST_F(PaletteFillTest, GouraudSpanStepsWholeLevelsAcrossFivePixels) {
    LendTopDown(5, 2);
    const TzColor black = TZ_RGB(0, 0, 0);
    ASSERT_EQ(FillShaded(Rectangle(0, 0, 4, 1), {black, kRed, kRed, black}), 1);
    EXPECT_EQ(ValuesOf(ReadScreen()),
              "0 29 30 31 32\n"
              "0 29 30 31 32\n");
}

TEST_F(PaletteFillTest, GouraudSpanErrorTermAddsTheRemainderLate) {
    LendTopDown(3, 2);
    const TzColor black = TZ_RGB(0, 0, 0);
    // 0..80 over three pixels: 0, 26, 53, dithered by the first two threshold rows.
    ASSERT_EQ(FillShaded(Rectangle(0, 0, 2, 1), {black, kRed, kRed, black}), 1);
    EXPECT_EQ(ValuesOf(ReadScreen()),
              "0 29 32\n"
              "0 30 31\n");
}

TEST_F(PaletteFillTest, GouraudEdgesCarryColoursDownTheRows) {
    LendTopDown(4, 5);
    const TzColor black = TZ_RGB(0, 0, 0);
    // Rows take 0, 20, 40, 60, 80 on the Gouraud scale.
    ASSERT_EQ(FillShaded(Rectangle(0, 0, 3, 4), {black, black, kRed, kRed}), 1);
    EXPECT_EQ(ValuesOf(ReadScreen()),
              "0 0 0 0\n"
              "29 29 29 29\n"
              "31 30 31 30\n"
              "31 32 31 32\n"
              "249 249 249 249\n");
}

// Triangles and parallelograms, some reaching past the borders, with corner colours from flat
// through gentle gradients to more than a cube level per pixel. The classic 15-bit generator
// keeps the frame the same on every platform.
class ShadedPolygonSource {
  public:
    int32_t Next(int32_t limit) {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF) % limit;
    }
    std::vector<TzPoint> Corners(int32_t width, int32_t rows) {
        TzPoint first{Next(width + 40) - 20, Next(rows + 40) - 20};
        TzPoint u{Next(121) - 60, Next(121) - 60}, v{Next(121) - 60, Next(121) - 60};
        if (Next(2) == 0)
            return {first, {first.x + u.x, first.y + u.y}, {first.x + v.x, first.y + v.y}};
        return {first,
                {first.x + u.x, first.y + u.y},
                {first.x + u.x + v.x, first.y + u.y + v.y},
                {first.x + v.x, first.y + v.y}};
    }
    std::vector<TzColor> Colors(size_t count) {
        const int32_t spreads[] = {0, 8, 40, 256};
        int32_t spread = spreads[Next(4)];
        int32_t base[3] = {Next(256), Next(256), Next(256)};
        std::vector<TzColor> colors;
        for (size_t i = 0; i < count; ++i) {
            int32_t channel[3];
            for (int c = 0; c < 3; ++c) {
                channel[c] = std::clamp(base[c] + Next(spread + 1) - spread / 2, 0, 255);
            }
            colors.push_back(TZ_RGB(channel[0], channel[1], channel[2]));
        }
        return colors;
    }

  private:
    uint32_t state_ = 1;
};

// Folds the image into an FNV-1a hash.
void Hash(const ScreenImage &image, uint64_t &hash) {
    for (uint32_t pixel : image.pixels) hash = (hash ^ pixel) * 1099511628211u;
}

// Guards every pixel of the Gouraud span however its stepping is arranged: the hash is the one
// the plain per-pixel stepper gave. The frame is hashed every 20 polygons, before later polygons
// cover most of the earlier ones.
TEST_F(PaletteFillTest, GouraudFramesOfVariedPolygonsKeepTheirChecksum) {
    const int32_t width = 160, rows = 120;
    Resize(width, rows);
    ShadedPolygonSource source;
    uint64_t hash = 14695981039346656037u;
    for (int polygon = 1; polygon <= 300; ++polygon) {
        std::vector<TzPoint> corners = source.Corners(width, rows);
        FillShaded(corners, source.Colors(corners.size()));
        if (polygon % 20 == 0) Hash(ReadScreen(), hash);
    }
    EXPECT_EQ(hash, 7034048596250694846u);
}

TEST_F(PaletteFillTest, BufferTallerThan1200RowsIsFilledToItsLastRow) {
    const int32_t rows = 1500;
    Resize(8, rows);
    ASSERT_EQ(TzFillPolygon(Rectangle(2, 1190, 5, rows - 1).data(), 4, kRed), 1);
    ASSERT_EQ(
        TzFillPolygon(std::vector<TzPoint>{{0, 0}, {1, rows + 50}, {0, rows + 50}}.data(), 3, kRed),
        1);
    ScreenImage image = ReadScreen();
    for (int32_t y = 0; y < rows; ++y) {
        ASSERT_EQ(image.At(0, y), kRedIndex) << "row " << y;
        for (int32_t x = 2; x <= 5; ++x) {
            ASSERT_EQ(image.At(x, y), y >= 1190 ? kRedIndex : kBlueIndex) << x << "," << y;
        }
        ASSERT_EQ(image.At(7, y), kBlueIndex);
    }
}

TEST_F(PaletteFillTest, UnalignedLentBitsAreFilledWithoutTouchingPaddingOrNeighbours) {
    const int32_t width = 21, rows = 6, stride = 24, offset = 17, guard = 16;
    const uint8_t untouched = 0xAB;
    std::vector<uint8_t> memory(offset + size_t(stride) * rows + guard, untouched);
    SetVirtualScreen(nullptr, memory.data() + offset, nullptr, nullptr, width, -rows, stride);
    ASSERT_EQ(TzPatBlt(kBlue), 1);
    ASSERT_EQ(TzFillPolygon(Rectangle(1, 1, 19, 2).data(), 4, kRed), 1);
    ASSERT_EQ(TzFillPolygonHalftone(Rectangle(3, 3, 20, 5).data(), 4, TZ_RGB(25, 90, 200)), 1);
    ScreenImage image = ReadScreen();
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t expected = kBlueIndex;
            if (y >= 1 && y <= 2 && x >= 1 && x <= 19) expected = kRedIndex;
            if (y >= 3 && x >= 3) expected = HalftonePixel(TZ_RGB(25, 90, 200), y, x);
            ASSERT_EQ(image.At(x, y), expected) << x << "," << y;
        }
        for (int32_t x = width; x < stride; ++x) {
            EXPECT_EQ(memory[offset + y * stride + x], kBlueIndex) << "padding " << x << "," << y;
        }
    }
    for (int32_t i = 0; i < offset; ++i) EXPECT_EQ(memory[i], untouched);
    for (size_t i = offset + size_t(stride) * rows; i < memory.size(); ++i) {
        EXPECT_EQ(memory[i], untouched);
    }
}

// A rectangle 14 pixels wide whose top edge carries extra corners.
std::vector<TzPoint> RectangleWithCorners(int32_t corners) {
    std::vector<TzPoint> points;
    for (int32_t x = 0; x < corners - 2; ++x) points.push_back({x, 0});
    points.push_back({13, 5});
    points.push_back({0, 5});
    return points;
}

TEST_F(PaletteFillTest, SixteenCornersAreFilledAndSeventeenRefused) {
    Resize(16, 8);
    for (Filler filler : kFillers) {
        EXPECT_EQ(Fill(filler, RectangleWithCorners(17), kRed), 0);
        EXPECT_EQ(Coverage().find('#'), std::string::npos);
        EXPECT_EQ(Fill(filler, RectangleWithCorners(16), kRed), 1);
        EXPECT_EQ(Coverage(),
                  "##############..\n"
                  "##############..\n"
                  "##############..\n"
                  "##############..\n"
                  "##############..\n"
                  "##############..\n"
                  "................\n"
                  "................\n");
        ASSERT_EQ(TzPatBlt(kBlue), 1);
    }
}

TEST_F(PaletteFillTest, MissingPointsOrCountsOutsideOneToSixteenAreRefused) {
    Resize(8, 8);
    std::vector<TzPoint> square = Rectangle(1, 1, 6, 6);
    std::vector<TzColor> colors(4, kRed);
    EXPECT_EQ(TzFillPolygon(square.data(), 0, kRed), 0);
    EXPECT_EQ(TzFillPolygonHalftone(square.data(), -4, kRed), 0);
    EXPECT_EQ(TzFillPolygon(nullptr, 4, kRed), 0);
    EXPECT_EQ(TzFillPolygonGouraudShading(nullptr, 4, colors.data()), 0);
    EXPECT_EQ(TzFillPolygonGouraudShading(square.data(), 4, nullptr), 0);
    EXPECT_EQ(Coverage().find('#'), std::string::npos);
}

TEST_F(PaletteFillTest, EdgeTableShorterThanTheBufferRefusesToFill) {
    Resize(8, 8);
    trazel::context.back.edgeRows = 7;
    for (Filler filler : kFillers) EXPECT_EQ(Fill(filler, Rectangle(0, 0, 7, 7), kRed), 0);
    trazel::context.back.edgeRows = 8;
    EXPECT_EQ(Coverage().find('#'), std::string::npos);
}

TEST_F(PaletteFillTest, PatBltWritesTheCubeIndexIntoEveryByteIncludingRowPadding) {
    Resize(5, 3);
    ASSERT_EQ(trazel::context.back.stride, 8);
    ASSERT_EQ(TzPatBlt(kRed), 1);
    void *bits = nullptr;
    GetVirtualScreen(nullptr, &bits, nullptr, nullptr);
    const auto *bytes = static_cast<const uint8_t *>(bits);
    for (int i = 0; i < 8 * 3; ++i) EXPECT_EQ(bytes[i], kRedIndex) << "byte " << i;
}

TEST_F(PaletteFillTest, NothingIsDrawnBeforeTheBufferExists) {
    EXPECT_EQ(TzPatBlt(kRed), 0);
    for (Filler filler : kFillers) EXPECT_EQ(Fill(filler, Rectangle(0, 0, 7, 7), kRed), 0);
}

// Signed distance of p from the line a -> b, positive on the side that orientation names inside.
double InsideDistance(TzPoint a, TzPoint b, double px, double py, double orientation) {
    double dx = b.x - a.x, dy = b.y - a.y;
    return orientation * (dx * (py - a.y) - dy * (px - a.x)) / std::sqrt(dx * dx + dy * dy);
}

TEST_F(PaletteFillTest, EveryFillerCoversTheInsideOfRandomTrianglesAndNothingFarOutside) {
    const int32_t width = 40, rows = 30;
    const double margin = 2.0;
    Resize(width, rows);
    std::mt19937 random(1234);
    std::uniform_int_distribution<int32_t> column(-20, 60), row(-15, 45), channel(0, 255);
    for (int round = 0; round < 150; ++round) {
        std::vector<TzPoint> triangle{{column(random), row(random)},
                                      {column(random), row(random)},
                                      {column(random), row(random)}};
        const TzPoint &a = triangle[0], &b = triangle[1], &c = triangle[2];
        double area = double(b.x - a.x) * (c.y - a.y) - double(b.y - a.y) * (c.x - a.x);
        if (area == 0) continue;
        double orientation = area > 0 ? 1 : -1;
        TzColor color = TZ_RGB(channel(random), channel(random), 0);
        for (Filler filler : kFillers) {
            ASSERT_EQ(TzPatBlt(kBlue), 1);
            Fill(filler, triangle, color);
            ScreenImage image = ReadScreen();
            for (int32_t y = 0; y < rows; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    double depth = std::min({InsideDistance(a, b, x, y, orientation),
                                             InsideDistance(b, c, x, y, orientation),
                                             InsideDistance(c, a, x, y, orientation)});
                    bool filled = image.At(x, y) != kBlueIndex;
                    if (depth >= margin) {
                        ASSERT_TRUE(filled) << "round " << round << " at " << x << "," << y;
                    }
                    if (depth < -margin) {
                        ASSERT_FALSE(filled) << "round " << round << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
