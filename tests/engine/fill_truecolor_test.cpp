// The true-colour fillers: the palette fillers' coverage, RGB pixels as cairo reads them, smooth
// Gouraud shading, clearing, and unaligned lent buffers.
#include <cairo.h>

#include <random>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "fill_test_support.h"

namespace {

constexpr TzColor kBlue = TZ_RGB(0, 0, 255);

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return (red << 16) | (green << 8) | blue;
}

class TrueColorFillTest : public EngineTest {
  protected:
    void Resize(int32_t width, int32_t height) {
        ASSERT_NE(ResizeTrazel(nullptr, width, height), nullptr);
        ASSERT_EQ(TzPatBlt(kBlue), 1);
    }

    std::string Coverage() const { return CoverageOf(ReadScreen(), Rgb(0, 0, 255)); }
};

// Triangles and quadrilaterals around and across a 48 x 36 buffer, some far beyond it.
std::vector<std::vector<TzPoint>> RandomPolygons() {
    std::mt19937 random(99);
    std::uniform_int_distribution<int32_t> column(-30, 78), row(-20, 56),
        far(-2000000000, 2000000000);
    std::vector<std::vector<TzPoint>> polygons;
    for (int i = 0; i < 200; ++i) {
        std::vector<TzPoint> polygon;
        int corners = 3 + i % 2;
        for (int k = 0; k < corners; ++k) polygon.push_back({column(random), row(random)});
        if (i % 10 == 0) polygon[0] = {far(random), far(random)};
        polygons.push_back(polygon);
    }
    return polygons;
}

// What each polygon covers when filled alone, in the engine's current display format.
std::vector<std::string> CoveragesOf(const std::vector<std::vector<TzPoint>> &polygons) {
    std::vector<std::string> coverages;
    for (const auto &polygon : polygons) {
        TzPatBlt(kBlue);
        uint32_t background = ReadScreen().At(0, 0);
        TzFillPolygon(polygon.data(), static_cast<int32_t>(polygon.size()), TZ_RGB(200, 10, 10));
        coverages.push_back(CoverageOf(ReadScreen(), background));
    }
    return coverages;
}

TEST_F(TrueColorFillTest, CoversExactlyThePixelsThePaletteFillerCovers) {
    const auto polygons = RandomPolygons();
    Resize(48, 36);
    std::vector<std::string> trueColor = CoveragesOf(polygons);
    CloseTrazel();
    ASSERT_EQ(TzSetDisplayFormat(TZ_DISPLAY_PALETTE), 1);
    ASSERT_EQ(OpenTrazel(1), 1);
    Resize(48, 36);
    std::vector<std::string> palette = CoveragesOf(polygons);
    int drawn = 0;
    for (size_t i = 0; i < polygons.size(); ++i) {
        EXPECT_EQ(trueColor[i], palette[i]) << "polygon " << i;
        drawn += trueColor[i].find('#') != std::string::npos;
    }
    EXPECT_GT(drawn, 100);
}

TEST_F(TrueColorFillTest, FlatFillWritesPixelsCairoReadsAsTheColour) {
    Resize(6, 4);
    ASSERT_EQ(TzFillPolygon(Rectangle(1, 1, 4, 2).data(), 4, TZ_RGB(0x12, 0x34, 0x56)), 1);
    EXPECT_EQ(Coverage(),
              "......\n"
              ".####.\n"
              ".####.\n"
              "......\n");
    cairo_surface_t *target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 6, 4);
    cairo_t *dc = cairo_create(target);
    ASSERT_EQ(TzPresent(dc, 0, 0), 1);
    cairo_surface_flush(target);
    const auto *row = reinterpret_cast<const uint32_t *>(cairo_image_surface_get_data(target) +
                                                         cairo_image_surface_get_stride(target));
    EXPECT_EQ(row[2], 0xFF123456u);
    EXPECT_EQ(row[0], 0xFF0000FFu);
    cairo_destroy(dc);
    cairo_surface_destroy(target);
}

TEST_F(TrueColorFillTest, HalftoneIsASolidFillOnATrueColourScreen) {
    Resize(8, 8);
    ASSERT_EQ(TzFillPolygonHalftone(Rectangle(0, 0, 7, 7).data(), 4, TZ_RGB(25, 0, 0)), 1);
    for (uint32_t pixel : ReadScreen().pixels) ASSERT_EQ(pixel, Rgb(25, 0, 0));
}

TEST_F(TrueColorFillTest, GouraudSpansInterpolateEachChannelWithoutDither) {
    Resize(5, 2);
    const TzColor black = TZ_RGB(0, 0, 0), red = TZ_RGB(255, 0, 0);
    std::vector<TzColor> colors{black, red, red, black};
    ASSERT_EQ(TzFillPolygonGouraudShading(Rectangle(0, 0, 4, 1).data(), 4, colors.data()), 1);
    std::vector<uint32_t> row{Rgb(0, 0, 0), Rgb(51, 0, 0), Rgb(102, 0, 0), Rgb(153, 0, 0),
                              Rgb(204, 0, 0)};
    std::vector<uint32_t> expected = row;
    expected.insert(expected.end(), row.begin(), row.end());
    EXPECT_EQ(ReadScreen().pixels, expected);
}

TEST_F(TrueColorFillTest, GouraudEdgesInterpolateEachChannelDownTheRows) {
    Resize(2, 5);
    const TzColor top = TZ_RGB(0, 0, 100), bottom = TZ_RGB(0, 255, 100);
    std::vector<TzColor> colors{top, top, bottom, bottom};
    ASSERT_EQ(TzFillPolygonGouraudShading(Rectangle(0, 0, 1, 4).data(), 4, colors.data()), 1);
    // Spans start on the left edge, which is walked upwards from its bottom corner: 255 over four
    // rows steps by 63, the remainder 3 spread from the half-way error, giving 128 half-way.
    std::vector<uint32_t> expected;
    for (uint32_t green : {0u, 64u, 128u, 191u, 255u}) {
        expected.insert(expected.end(), 2, Rgb(0, green, 100));
    }
    EXPECT_EQ(ReadScreen().pixels, expected);
}

TEST_F(TrueColorFillTest, UnalignedLentBufferIsFilledWithoutTouchingPaddingOrNeighbours) {
    const int32_t width = 7, rows = 5, stride = 36, offset = 3, guard = 16;
    const uint8_t untouched = 0xAB;
    std::vector<uint8_t> memory(offset + size_t(stride) * rows + guard, untouched);
    SetVirtualScreen(nullptr, memory.data() + offset, nullptr, nullptr, width, rows, stride);
    ASSERT_EQ(TzPatBlt(TZ_RGB(1, 2, 3)), 1);
    ASSERT_EQ(TzFillPolygon(Rectangle(0, 1, 6, 2).data(), 4, TZ_RGB(9, 8, 7)), 1);
    std::vector<TzColor> colors(4, TZ_RGB(40, 50, 60));
    ASSERT_EQ(TzFillPolygonGouraudShading(Rectangle(2, 3, 5, 4).data(), 4, colors.data()), 1);
    ScreenImage image = ReadScreen();
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t expected = Rgb(1, 2, 3);
            if (y >= 1 && y <= 2) expected = Rgb(9, 8, 7);
            if (y >= 3 && x >= 2 && x <= 5) expected = Rgb(40, 50, 60);
            ASSERT_EQ(image.At(x, y), expected) << x << "," << y;
        }
        for (int32_t i = 4 * width; i < stride; ++i) {
            EXPECT_EQ(memory[offset + y * stride + i], untouched) << "padding " << i << "," << y;
        }
    }
    for (int32_t i = 0; i < offset; ++i) EXPECT_EQ(memory[i], untouched);
    for (size_t i = offset + size_t(stride) * rows; i < memory.size(); ++i) {
        EXPECT_EQ(memory[i], untouched);
    }
}

TEST_F(TrueColorFillTest, RowsTooShortForTheWidthAreRefused) {
    std::vector<uint8_t> memory(64, 0);
    SetVirtualScreen(nullptr, memory.data(), nullptr, nullptr, 4, 4, 12);
    EXPECT_EQ(TzPatBlt(kBlue), 0);
    EXPECT_EQ(TzFillPolygon(Rectangle(0, 0, 3, 3).data(), 4, kBlue), 0);
    EXPECT_EQ(memory, std::vector<uint8_t>(64, 0));
    EXPECT_TRUE(SawMessage("行幅が幅に足りない画面に描画できません。"));
}

}  // namespace
