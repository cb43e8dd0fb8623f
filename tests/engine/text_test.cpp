// Font: extents, faces, anchors, backgrounds, palette-buffer text, clipping and bad input.
#include <glib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "context.h"
#include "engine_fixture.h"

namespace {

constexpr TzColor kWhite = TZ_RGB(255, 255, 255);
constexpr TzColor kRed = TZ_RGB(255, 0, 0);
constexpr TzColor kBlue = TZ_RGB(0, 0, 255);
// A cube colour that owns its palette entry, so the entry shows exactly this colour.
constexpr TzColor kSteelBlue = TZ_RGB(0, 102, 204);
constexpr uint32_t kPrefill = 0x204060;  // an RGB24 pixel no test text colour blends into

TzSize Measure(const char *text, const char *face, int32_t height) {
    TzSize size{-1, -1};
    Font(&size, nullptr, 0, 0, nullptr, text, TZ_NO_COLOR, TZ_NO_COLOR, face, height);
    return size;
}

bool SameSize(TzSize a, TzSize b) {
    return a.width == b.width && a.height == b.height;
}

// A rectangle from (left, top) up to but not including (right, bottom).
struct Box {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Box &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Box &box) {
    return out << "(" << box.left << "," << box.top << ")-(" << box.right << "," << box.bottom
               << ")";
}

Box BoxAt(int left, int top, TzSize size) {
    return Box{left, top, left + size.width, top + size.height};
}

// A view of 32-bit RGB pixels, top-down.
struct RgbImage {
    uint32_t *pixels;
    int width, height, strideInPixels;
    uint32_t At(int x, int y) const { return pixels[y * strideInPixels + x] & 0xFFFFFF; }
    void Fill(uint32_t value) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) pixels[y * strideInPixels + x] = value;
        }
    }
    // The box around every pixel that differs from value; empty (all zero) when none does.
    Box BoundsOfPixelsOtherThan(uint32_t value) const {
        Box bounds{width, height, 0, 0};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (At(x, y) == value) continue;
                bounds = Box{std::min(bounds.left, x), std::min(bounds.top, y),
                             std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
            }
        }
        return bounds.right == 0 ? Box{0, 0, 0, 0} : bounds;
    }
};

// The engine's true-colour back buffer, filled with kPrefill.
RgbImage OpenTrueColorBuffer(int width, int height) {
    EXPECT_NE(ResizeTrazel(nullptr, width, height), nullptr);
    void *bits = nullptr;
    GetVirtualScreen(nullptr, &bits, nullptr, nullptr);
    RgbImage image{static_cast<uint32_t *>(bits), width, height, trazel::context.back.stride / 4};
    image.Fill(kPrefill);
    return image;
}

cairo_t *BackDc() {
    cairo_t *dc = nullptr;
    GetVirtualScreen(&dc, nullptr, nullptr, nullptr);
    return dc;
}

RgbImage ImageOf(cairo_surface_t *surface) {
    cairo_surface_flush(surface);
    return RgbImage{reinterpret_cast<uint32_t *>(cairo_image_surface_get_data(surface)),
                    cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface),
                    cairo_image_surface_get_stride(surface) / 4};
}

std::vector<uint32_t> PixelsOf(cairo_surface_t *surface) {
    RgbImage image = ImageOf(surface);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) pixels.push_back(image.At(x, y));
    }
    return pixels;
}

constexpr int kRenderWidth = 160, kRenderHeight = 40;

// Text drawn white on black at the top-left corner of a private surface, as pixel values.
std::vector<uint32_t> Render(const char *text, const char *face, int32_t height) {
    cairo_surface_t *surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kRenderWidth, kRenderHeight);
    cairo_t *dc = cairo_create(surface);
    Font(nullptr, dc, 0, 0, "lt", text, kWhite, TZ_NO_COLOR, face, height);
    std::vector<uint32_t> pixels = PixelsOf(surface);
    cairo_destroy(dc);
    cairo_surface_destroy(surface);
    return pixels;
}

bool HasInk(const std::vector<uint32_t> &pixels) {
    for (uint32_t pixel : pixels) {
        if (pixel != 0) return true;
    }
    return false;
}

// ---- Extents and faces ------------------------------------------------------------------------

class TextExtentTest : public EngineTest {};

TEST_F(TextExtentTest, MeasuringDrawsNothingAndReportsTheExtentItWouldDraw) {
    RgbImage image = OpenTrueColorBuffer(120, 40);
    TzSize size{-1, -1};
    EXPECT_EQ(Font(&size, BackDc(), 60, 20, nullptr, "Morvex", TZ_NO_COLOR, kRed, nullptr, 16),
              &size);
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
    EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPrefill), (Box{0, 0, 0, 0}));
    EXPECT_TRUE(SameSize(size, Measure("Morvex", nullptr, 16)));

    TzSize drawn{-1, -1};
    Font(&drawn, BackDc(), 60, 20, nullptr, "Morvex", kWhite, kRed, nullptr, 16);
    EXPECT_TRUE(SameSize(drawn, size));
}

TEST_F(TextExtentTest, ExtentGrowsWithHeightAndWithLength) {
    TzSize previous = Measure("Mor", "IPAGothic", 8);
    for (int32_t height : {12, 16, 24, 32, 48}) {
        TzSize size = Measure("Mor", "IPAGothic", height);
        EXPECT_GT(size.width, previous.width) << height;
        EXPECT_GT(size.height, previous.height) << height;
        previous = size;
    }
    std::string text;
    int previousWidth = 0;
    for (const char *piece : {"M", "o", "r", "v", "e", "x", "ロ", "ボ"}) {
        text += piece;
        TzSize size = Measure(text.c_str(), "IPAPGothic", 16);
        EXPECT_GT(size.width, previousWidth) << text;
        EXPECT_EQ(size.height, Measure("M", "IPAPGothic", 16).height) << text;
        previousWidth = size.width;
    }
}

TEST_F(TextExtentTest, FixedPitchFaceGivesWidthProportionalToHalfWidthCharacters) {
    for (int32_t height : {12, 16, 21}) {
        int one = Measure("i", "IPAMincho", height).width;
        ASSERT_GT(one, 0);
        EXPECT_EQ(Measure("iiiiiii", "IPAMincho", height).width, 7 * one) << height;
        EXPECT_EQ(Measure("W0i.W0i", "IPAMincho", height).width, 7 * one) << height;
    }
}

TEST_F(TextExtentTest, JapaneseTextInTheGamesFacesIsFullWidthAndDrawnInTheIpaFonts) {
    const char *japanese = "達人度ロボット";  // seven full-width characters
    TzSize mapped = Measure(japanese, "ＭＳ 明朝", 16);
    EXPECT_TRUE(SameSize(mapped, Measure(japanese, "IPAMincho", 16)));
    EXPECT_EQ(mapped.width, 2 * Measure("abcdefg", "IPAMincho", 16).width);
    EXPECT_EQ(Measure(japanese, "ＭＳ ゴシック", 16).width, mapped.width);

    const char *mixed = "ゴシックAg明朝";
    EXPECT_TRUE(HasInk(Render(mixed, "IPAMincho", 16)));
    EXPECT_EQ(Render(mixed, "ＭＳ 明朝", 16), Render(mixed, "IPAMincho", 16));
    EXPECT_EQ(Render(mixed, "ＭＳ Ｐ明朝", 16), Render(mixed, "IPAPMincho", 16));
    EXPECT_EQ(Render(mixed, "ＭＳ ゴシック", 16), Render(mixed, "IPAGothic", 16));
    EXPECT_EQ(Render(mixed, "ＭＳ Ｐゴシック", 16), Render(mixed, "IPAPGothic", 16));
    EXPECT_NE(Render(mixed, "IPAMincho", 16), Render(mixed, "IPAGothic", 16));
}

TEST_F(TextExtentTest, ProportionalFacesGiveNarrowLettersLessRoom) {
    for (const char *face : {"ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"}) {
        EXPECT_LT(Measure("iiii", face, 16).width, Measure("WWWW", face, 16).width) << face;
    }
}

TEST_F(TextExtentTest, LineBreaksStayOnTheOneLine) {
    TzSize broken = Measure("一行\nLine\r\n", "IPAGothic", 16);
    TzSize unbroken = Measure("一行Line", "IPAGothic", 16);
    EXPECT_LT(broken.height, 2 * unbroken.height);
    EXPECT_GT(broken.width, unbroken.width);
}

TEST_F(TextExtentTest, HeightZeroAndMissingFaceGiveTheDefaultFont) {
    EXPECT_TRUE(
        SameSize(Measure("Ready Go!", "IPAMincho", 0), Measure("Ready Go!", "IPAMincho", 16)));
    EXPECT_EQ(Render("既定 Face", nullptr, 16), Render("既定 Face", "IPAGothic", 16));
    EXPECT_EQ(Render("既定 Face", "", 16), Render("既定 Face", "IPAGothic", 16));
}

// ---- Anchors -----------------------------------------------------------------------------------

class TextAnchorTest : public EngineTest {
  protected:
    static constexpr int kX = 100, kY = 50;
    static constexpr const char *kText = "HMH";

    // The box around the ink of kText drawn at (kX, kY) with the alignment.
    Box InkFor(const char *align) {
        RgbImage image = OpenTrueColorBuffer(200, 100);
        Font(nullptr, BackDc(), kX, kY, align, kText, kWhite, TZ_NO_COLOR, "IPAGothic", 20);
        return image.BoundsOfPixelsOtherThan(kPrefill);
    }
};

TEST_F(TextAnchorTest, InkLiesInsideTheRectangleTheAnchorGives) {
    TzSize s = Measure(kText, "IPAGothic", 20);
    struct Case {
        const char *align;
        Box expected;
    } cases[] = {
        {"lt", BoxAt(kX, kY, s)},
        {"rb", BoxAt(kX - s.width, kY - s.height, s)},
        {"l", BoxAt(kX, kY - s.height / 2, s)},
        {"c", BoxAt(kX - s.width / 2, kY - s.height / 2, s)},
        {nullptr, BoxAt(kX - s.width / 2, kY - s.height / 2, s)},
        {"tr", BoxAt(kX - s.width, kY, s)},
        {"bl", BoxAt(kX, kY - s.height, s)},
        {"cl", BoxAt(kX - s.width / 2, kY - s.height / 2, s)},
        {"b", BoxAt(kX - s.width / 2, kY - s.height, s)},
    };
    for (const Case &c : cases) {
        Box ink = InkFor(c.align);
        const char *name = c.align != nullptr ? c.align : "(null)";
        ASSERT_LT(ink.left, ink.right) << name;
        EXPECT_GE(ink.left, c.expected.left) << name;
        EXPECT_GE(ink.top, c.expected.top) << name;
        EXPECT_LE(ink.right, c.expected.right) << name;
        EXPECT_LE(ink.bottom, c.expected.bottom) << name;
    }
}

TEST_F(TextAnchorTest, AnchorsMoveTheInkByTheExtent) {
    TzSize s = Measure(kText, "IPAGothic", 20);
    Box topLeft = InkFor("lt");
    auto shifted = [&](int dx, int dy) {
        return Box{topLeft.left + dx, topLeft.top + dy, topLeft.right + dx, topLeft.bottom + dy};
    };
    EXPECT_EQ(InkFor("rb"), shifted(-s.width, -s.height));
    EXPECT_EQ(InkFor("br"), shifted(-s.width, -s.height));
    EXPECT_EQ(InkFor("tr"), shifted(-s.width, 0));
    EXPECT_EQ(InkFor("l"), shifted(0, -(s.height / 2)));
    EXPECT_EQ(InkFor("c"), shifted(-(s.width / 2), -(s.height / 2)));
    EXPECT_EQ(InkFor(nullptr), InkFor("c"));
    EXPECT_EQ(InkFor("ct"), InkFor("c"));
    EXPECT_EQ(InkFor("x"), InkFor("c"));
    EXPECT_EQ(InkFor(""), InkFor("c"));
}

// ---- Backgrounds -------------------------------------------------------------------------------

class TextBackgroundTest : public EngineTest {};

TEST_F(TextBackgroundTest, OpaqueBackgroundFillsExactlyTheExtent) {
    RgbImage image = OpenTrueColorBuffer(160, 60);
    TzSize size{};
    Font(&size, BackDc(), 30, 20, "lt", "背景 Back", kWhite, kBlue, "ＭＳ 明朝", 18);
    Box extent = BoxAt(30, 20, size);
    int backgroundPixels = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint32_t pixel = image.At(x, y);
            if (!extent.Contains(x, y)) {
                EXPECT_EQ(pixel, kPrefill) << x << "," << y;
                continue;
            }
            // White blended over blue: full blue, red and green alike (RGB24 is 0x00RRGGBB).
            EXPECT_EQ(pixel & 0xFF, 0xFFu) << x << "," << y;
            EXPECT_EQ(pixel >> 16, (pixel >> 8) & 0xFF) << x << "," << y;
            if (pixel == 0x0000FF) ++backgroundPixels;
        }
    }
    EXPECT_GT(backgroundPixels, size.width * size.height / 2);
}

TEST_F(TextBackgroundTest, TransparentBackgroundChangesOnlyInkedPixelsInsideTheExtent) {
    RgbImage image = OpenTrueColorBuffer(160, 60);
    TzSize size{};
    Font(&size, BackDc(), 30, 20, "lt", "背景 Back", kWhite, TZ_NO_COLOR, "ＭＳ 明朝", 18);
    Box extent = BoxAt(30, 20, size);
    int changed = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) == kPrefill) continue;
            ++changed;
            EXPECT_TRUE(extent.Contains(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, size.width * size.height / 2);
}

TEST_F(TextBackgroundTest, TextPartlyOffTheBufferKeepsItsVisiblePart) {
    RgbImage image = OpenTrueColorBuffer(80, 30);
    TzSize size{};
    Font(&size, BackDc(), 70, -5, "lt", "端の文字", kWhite, kBlue, nullptr, 16);
    Box visible{70, 0, 80, std::min(30, size.height - 5)};
    EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPrefill), visible);
}

// ---- Palette back buffer -----------------------------------------------------------------------

// Index 5 holds a fixed system colour outside the cube, so text never writes it.
constexpr uint8_t kPaletteFill = 5;

class PaletteTextTest : public PaletteEngineTest {
  protected:
    static constexpr int kWidth = 120, kHeight = 50;

    void SetUp() override {
        PaletteEngineTest::SetUp();
        ASSERT_NE(ResizeTrazel(nullptr, kWidth, kHeight), nullptr);
        void *bits = nullptr;
        GetVirtualScreen(nullptr, &bits, nullptr, nullptr);
        engineBits = static_cast<uint8_t *>(bits);
        std::memset(engineBits, kPaletteFill, size_t(trazel::context.back.stride) * kHeight);
    }

    static constexpr const char *kText = "赤い文字 Red";
    static constexpr const char *kFace = "ＭＳ ゴシック";

    TzSize Draw(int x, int y, const char *align, TzColor background) {
        TzSize size{};
        Font(&size, BackDc(), x, y, align, kText, kRed, background, kFace, 16);
        return size;
    }

    // Palette indices by screen row, whichever way the buffer stores its rows.
    uint8_t At(int x, int screenRow) const {
        const trazel::BackBuffer &back = trazel::context.back;
        int memoryRow = back.height > 0 ? back.height - 1 - screenRow : screenRow;
        return static_cast<const uint8_t *>(back.bits)[memoryRow * back.stride + x];
    }

    TzColor PaletteColor(uint8_t index) const { return trazel::context.palette.entries[index]; }

    uint8_t *engineBits = nullptr;
};

TEST_F(PaletteTextTest, WritesOnlyTheCubeIndicesOfTextAndBackgroundColours) {
    TzSize size = Draw(10, 8, "lt", kSteelBlue);
    std::set<uint8_t> written;
    int textPixels = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (At(x, y) == kPaletteFill) continue;
            written.insert(At(x, y));
            if (PaletteColor(At(x, y)) == kRed) ++textPixels;
        }
    }
    ASSERT_EQ(written.size(), 2u);
    for (uint8_t index : written) {
        EXPECT_TRUE(PaletteColor(index) == kRed || PaletteColor(index) == kSteelBlue) << int(index);
    }
    EXPECT_GT(textPixels, 0);
    EXPECT_LT(textPixels, size.width * size.height / 2);
}

TEST_F(PaletteTextTest, TakesThePixelsThatTrueColourTextCoversAtLeastHalf) {
    Draw(0, 0, "lt", TZ_NO_COLOR);
    std::vector<uint32_t> antialiased = Render(kText, kFace, 16);
    int textPixels = 0;
    for (int y = 0; y < std::min(kHeight, kRenderHeight); ++y) {
        for (int x = 0; x < std::min(kWidth, kRenderWidth); ++x) {
            bool halfCovered = (antialiased[y * kRenderWidth + x] & 0xFF) >= 128;
            EXPECT_EQ(At(x, y) != kPaletteFill, halfCovered) << x << "," << y;
            textPixels += halfCovered;
        }
    }
    EXPECT_GT(textPixels, 0);
}

TEST_F(PaletteTextTest, LandsOnTheScreenRowsOfABottomUpBuffer) {
    TzSize size = Draw(10, 8, "lt", kBlue);
    Box extent = BoxAt(10, 8, size);
    for (int memoryRow = 0; memoryRow < kHeight; ++memoryRow) {
        int screenRow = kHeight - 1 - memoryRow;
        for (int x = 0; x < kWidth; ++x) {
            bool touched = engineBits[memoryRow * trazel::context.back.stride + x] != kPaletteFill;
            EXPECT_EQ(touched, extent.Contains(x, screenRow)) << x << "," << screenRow;
        }
    }
}

TEST_F(PaletteTextTest, TopDownBufferHoldsTheSameTextWithItsRowsReversed) {
    Draw(60, 25, nullptr, TZ_NO_COLOR);
    int stride = trazel::context.back.stride;
    std::vector<uint8_t> bottomUp(engineBits, engineBits + stride * kHeight);
    std::vector<uint8_t> topDown(bottomUp.size(), kPaletteFill);
    SetVirtualScreen(nullptr, topDown.data(), nullptr, nullptr, kWidth, -kHeight, stride);
    Draw(60, 25, nullptr, TZ_NO_COLOR);
    for (int row = 0; row < kHeight; ++row) {
        EXPECT_TRUE(std::equal(topDown.begin() + row * stride, topDown.begin() + (row + 1) * stride,
                               bottomUp.begin() + (kHeight - 1 - row) * stride))
            << row;
    }
}

// A client buffer with guard bytes round it: rows padded past the width, rows above and below.
TEST_F(PaletteTextTest, TextOffTheEdgesIsClippedWithoutTouchingNeighbouringMemory) {
    constexpr int kGuardRows = 4, kStride = kWidth + 12;
    constexpr uint8_t kGuard = 0xA5;
    struct Corner {
        int x, y;
    } corners[] = {{-20, 10},    {kWidth - 15, 20},  {40, -6},           {40, kHeight - 5},
                   {-500, -500}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MIN}};
    for (int32_t height : {kHeight, -kHeight}) {
        for (const Corner &c : corners) {
            std::vector<uint8_t> memory((kHeight + 2 * kGuardRows) * kStride, kGuard);
            uint8_t *bits = memory.data() + kGuardRows * kStride;
            for (int row = 0; row < kHeight; ++row) {
                std::memset(bits + row * kStride, kPaletteFill, kWidth);
            }
            SetVirtualScreen(nullptr, bits, nullptr, nullptr, kWidth, height, kStride);
            TzSize size = Draw(c.x, c.y, "lt", kBlue);
            int64_t left = c.x, top = c.y;  // the corners reach the int32 limits
            for (int row = 0; row < kHeight + 2 * kGuardRows; ++row) {
                int memoryRow = row - kGuardRows;
                int screenRow = height > 0 ? kHeight - 1 - memoryRow : memoryRow;
                for (int x = 0; x < kStride; ++x) {
                    uint8_t value = memory[row * kStride + x];
                    bool inBuffer = memoryRow >= 0 && memoryRow < kHeight && x < kWidth;
                    bool inText = x >= left && x < left + size.width && screenRow >= top &&
                                  screenRow < top + size.height;
                    std::string where = std::to_string(c.x) + "," + std::to_string(c.y) + " at " +
                                        std::to_string(x) + "," + std::to_string(row);
                    if (inBuffer) {
                        ASSERT_EQ(value != kPaletteFill, inText) << where;
                    } else {
                        ASSERT_EQ(value, kGuard) << where;
                    }
                }
            }
        }
    }
}

TEST_F(PaletteTextTest, OtherContextsStillGetCairoText) {
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 100, 30);
    cairo_t *dc = cairo_create(surface);
    Font(nullptr, dc, 50, 15, nullptr, "窓 Window", kWhite, TZ_NO_COLOR, nullptr, 16);
    EXPECT_LT(ImageOf(surface).BoundsOfPixelsOtherThan(0).left, 50);
    for (int row = 0; row < kHeight; ++row) {
        for (int x = 0; x < kWidth; ++x) ASSERT_EQ(At(x, row), kPaletteFill);
    }
    cairo_destroy(dc);
    cairo_surface_destroy(surface);
}

// ---- Bad input and the caller's context --------------------------------------------------------

class TextRobustnessTest : public EngineTest {};

int pangoWarnings = 0;

// Pango logs through GLib's structured log, which only a writer function sees.
GLogWriterOutput CountPangoWarnings(GLogLevelFlags level, const GLogField *fields, gsize count,
                                    gpointer data) {
    for (gsize i = 0; i < count; ++i) {
        if (std::strcmp(fields[i].key, "GLIB_DOMAIN") != 0) continue;
        const char *value = static_cast<const char *>(fields[i].value);
        std::string domain = fields[i].length < 0 ? value : std::string(value, fields[i].length);
        if (domain == "Pango" && (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL))) {
            ++pangoWarnings;
        }
    }
    return g_log_writer_default(level, fields, count, data);
}

// GLib takes a writer function once per process.
void CountPangoWarningsFromNowOn() {
    static bool installed = false;
    if (!installed) g_log_set_writer_func(CountPangoWarnings, nullptr, nullptr);
    installed = true;
}

TEST_F(TextRobustnessTest, BrokenUtf8IsDrawnWithoutWarnings) {
    CountPangoWarningsFromNowOn();
    int warningsBefore = pangoWarnings;
    RgbImage image = OpenTrueColorBuffer(160, 40);
    const char *broken =
        "\xff\xfe\xc3(ok\xe3\x81 \x83\x8d\x83\x7b";  // stray bytes, cut sequences, CP932
    TzSize size{};
    Font(&size, BackDc(), 80, 20, nullptr, broken, kWhite, TZ_NO_COLOR, "\xff\x82\xcd", 16);
    EXPECT_EQ(pangoWarnings, warningsBefore);
    EXPECT_GT(size.width, Measure("ok", nullptr, 16).width);
    EXPECT_LT(image.BoundsOfPixelsOtherThan(kPrefill).left, 80);
}

TEST_F(TextRobustnessTest, NullTextIsEmpty) {
    TzSize empty = Measure("", nullptr, 16);
    EXPECT_EQ(empty.width, 0);
    EXPECT_GT(empty.height, 0);
    EXPECT_TRUE(SameSize(Measure(nullptr, nullptr, 16), empty));
    RgbImage image = OpenTrueColorBuffer(40, 40);
    Font(nullptr, BackDc(), 20, 20, "lt", nullptr, kWhite, TZ_NO_COLOR, nullptr, 16);
    EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPrefill), (Box{0, 0, 0, 0}));
}

TEST_F(TextRobustnessTest, ExtremeHeightsAndCoordinatesAreHarmless) {
    RgbImage image = OpenTrueColorBuffer(60, 30);
    for (int32_t height : {INT_MIN, -20, INT_MAX, 5000}) {
        TzSize size = Measure("Aa", nullptr, height);
        EXPECT_GT(size.width, 0) << height;
        EXPECT_GT(size.height, 0) << height;
    }
    for (int32_t x : {INT_MIN, INT_MAX}) {
        for (int32_t y : {INT_MIN, INT_MAX, 15}) {
            for (const char *align : {"lt", "rb", "c"}) {
                Font(nullptr, BackDc(), x, y, align, "Aa", kWhite, kBlue, nullptr, 16);
                Font(nullptr, BackDc(), y, x, align, "Aa", kWhite, kBlue, nullptr, 16);
            }
        }
    }
    EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPrefill), (Box{0, 0, 0, 0}));
}

TEST_F(TextRobustnessTest, NullSizeStillDrawsAndNullContextStillMeasures) {
    RgbImage image = OpenTrueColorBuffer(60, 30);
    EXPECT_EQ(Font(nullptr, BackDc(), 30, 15, nullptr, "Go", kWhite, TZ_NO_COLOR, nullptr, 16),
              nullptr);
    EXPECT_NE(image.BoundsOfPixelsOtherThan(kPrefill), (Box{0, 0, 0, 0}));

    TzSize size{-1, -1};
    EXPECT_EQ(Font(&size, nullptr, 30, 15, nullptr, "Go", kWhite, kBlue, nullptr, 16), &size);
    EXPECT_TRUE(SameSize(size, Measure("Go", nullptr, 16)));

    cairo_t *broken = cairo_create(nullptr);
    EXPECT_EQ(Font(&size, broken, 30, 15, nullptr, "Go", kWhite, kBlue, nullptr, 16), &size);
    EXPECT_TRUE(SameSize(size, Measure("Go", nullptr, 16)));
    cairo_destroy(broken);
}

TEST_F(TextRobustnessTest, CallersContextNeitherChangesTheTextNorIsChangedByIt) {
    cairo_surface_t *surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kRenderWidth, kRenderHeight);
    cairo_t *dc = cairo_create(surface);
    cairo_set_source_rgb(dc, 0.25, 0.5, 0.75);
    cairo_set_operator(dc, CAIRO_OPERATOR_CLEAR);
    cairo_move_to(dc, 3, 4);
    cairo_line_to(dc, 13, 24);
    Font(nullptr, dc, 0, 0, "lt", "Path 経路", kWhite, TZ_NO_COLOR, nullptr, 16);
    EXPECT_EQ(PixelsOf(surface), Render("Path 経路", nullptr, 16));
    double red = 0, green = 0, blue = 0, alpha = 0;
    EXPECT_EQ(cairo_pattern_get_rgba(cairo_get_source(dc), &red, &green, &blue, &alpha),
              CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(red, 0.25);
    EXPECT_EQ(green, 0.5);
    EXPECT_EQ(blue, 0.75);
    EXPECT_EQ(cairo_get_operator(dc), CAIRO_OPERATOR_CLEAR);
    double x = 0, y = 0;
    cairo_get_current_point(dc, &x, &y);
    EXPECT_EQ(x, 13);
    EXPECT_EQ(y, 24);
    double left = 0, top = 0, right = 0, bottom = 0;
    cairo_path_extents(dc, &left, &top, &right, &bottom);
    EXPECT_EQ(left, 3);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(cairo_status(dc), CAIRO_STATUS_SUCCESS);
    cairo_destroy(dc);
    cairo_surface_destroy(surface);
}

}  // namespace
