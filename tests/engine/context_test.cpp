// The engine context: open and close, settings, LookAt, the back buffer and presenting it.
#include "context.h"

#include <cmath>

#include "engine_fixture.h"

namespace {

class ContextTest : public EngineTest {};
class PaletteContextTest : public PaletteEngineTest {};

TEST_F(ContextTest, SecondOpenKeepsTheTrackedBlocksOfTheFirst) {
    void *block = TzAlloc(8);
    EXPECT_EQ(OpenTrazel(1), 1);
    EXPECT_EQ(TzFree(block), block);
    CloseTrazel();
    EXPECT_FALSE(FileExists("tzdebug.txt"));
}

TEST_F(ContextTest, SettingsSurviveCloseAndReopen) {
    Vector3 light{0, 0, -2};
    SetScreenDistance(640);
    SetClipDistance(12.5f);
    SetCenter(3, -4);
    SetModelMode(TZ_MODEL_SOLID);
    SetLight(&light, 0.25f);
    CloseTrazel();
    ASSERT_EQ(OpenTrazel(1), 1);
    float x, y, ambient;
    Vector3 direction;
    GetCenter(&x, &y);
    GetLight(&direction, &ambient);
    EXPECT_EQ(GetScreenDistance(), 640);
    EXPECT_EQ(GetClipDistance(), 12.5f);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, -4);
    EXPECT_EQ(GetModelMode(), TZ_MODEL_SOLID);
    EXPECT_EQ(direction.z, -1);
    EXPECT_EQ(ambient, 0.25f);
}

TEST_F(ContextTest, DistancesIgnoreValuesThatAreNotPositive) {
    SetScreenDistance(0);
    SetClipDistance(-5);
    EXPECT_EQ(GetScreenDistance(), 300);
    EXPECT_EQ(GetClipDistance(), 30);
}

TEST_F(ContextTest, LightDirectionAndAmbientAreCheckedIndependently) {
    Vector3 zero{0, 0, 0}, sideways{0, 3, 4};
    float ambient;
    Vector3 direction;
    SetLight(&zero, 0.7f);
    GetLight(&direction, &ambient);
    EXPECT_EQ(ambient, 0.7f);
    EXPECT_NEAR(direction.x, 220 / std::sqrt(220.f * 220 + 50 * 50 + 255 * 255), 1e-6);
    SetLight(&sideways, 1.5f);
    GetLight(&direction, &ambient);
    EXPECT_EQ(ambient, 0.7f);
    EXPECT_FLOAT_EQ(direction.y, 0.6f);
    EXPECT_FLOAT_EQ(direction.z, 0.8f);
    SetLight(nullptr, 0);
    GetLight(&direction, &ambient);
    EXPECT_EQ(ambient, 0);
    EXPECT_FLOAT_EQ(direction.y, 0.6f);
}

TEST_F(ContextTest, GouraudNeedsPaletteModeOtherModesAreStoredAsGiven) {
    SetModelMode(TZ_MODEL_GOURAUD);
    EXPECT_EQ(GetModelMode(), TZ_MODEL_HALFTONE);
    SetModelMode(7);
    EXPECT_EQ(GetModelMode(), 7);
}

TEST_F(PaletteContextTest, GouraudIsKeptInPaletteMode) {
    SetModelMode(TZ_MODEL_GOURAUD);
    EXPECT_EQ(GetModelMode(), TZ_MODEL_GOURAUD);
}

TEST_F(ContextTest, DisplayFormatIsChosenOnlyWhileClosed) {
    EXPECT_EQ(TzSetDisplayFormat(TZ_DISPLAY_PALETTE), 0);
    EXPECT_EQ(TzGetDisplayFormat(), TZ_DISPLAY_TRUE_COLOR);
    CloseTrazel();
    EXPECT_EQ(TzSetDisplayFormat(5), 0);
    EXPECT_EQ(TzSetDisplayFormat(TZ_DISPLAY_PALETTE), 1);
    EXPECT_EQ(TzGetDisplayFormat(), TZ_DISPLAY_PALETTE);
}

TEST_F(ContextTest, LookAtAimsYawAndPitchAndClearsRoll) {
    ObjectStruct camera{};
    camera.angleX = 99;
    LookAt(&camera, Vector3{0, 0, 50});
    EXPECT_EQ(camera.angleZ, 0);
    EXPECT_EQ(camera.angleY, 1024);
    EXPECT_EQ(camera.angleX, 0);
    LookAt(&camera, Vector3{-1, 0, 0});
    EXPECT_EQ(camera.angleZ, 2048);
    EXPECT_EQ(camera.angleY, 0);
    camera = ObjectStruct{};
    camera.x = 10;
    camera.y = 10;
    LookAt(&camera, Vector3{20, 0, 0});  // down the -y side, 45 degrees
    EXPECT_EQ(camera.angleZ, -512);
    LookAt(&camera, Vector3{10, 10, 0});  // the camera's own position: no direction
    EXPECT_EQ(camera.angleZ, 0);
    EXPECT_EQ(camera.angleY, 0);
}

TEST_F(ContextTest, TrazelBeforeOpenIsRefusedWithMessage) {
    CloseTrazel();
    ObjectStruct scene[1]{};
    EXPECT_EQ(Trazel(0, scene), 0);
    EXPECT_TRUE(SawMessage("OpenTrazed()を呼ぶ前にTrazel()を呼び出しています。"));
}

TEST_F(ContextTest, ResizeRefusesImpossibleSizesAndKeepsTheOldBuffer) {
    int window = 0;
    cairo_t *dc = ResizeTrazel(&window, 64, 48);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(ResizeTrazel(&window, 0, 48), nullptr);
    EXPECT_EQ(ResizeTrazel(&window, 1 << 20, 48), nullptr);
    ASSERT_FALSE(RecordedMessages().empty());
    EXPECT_EQ(RecordedMessages().back().text,
              "CreateDIBSection()でビットマップが生成できませんでした。");
    EXPECT_EQ(RecordedMessages().back().owner, &window);
    cairo_t *current = nullptr;
    GetVirtualScreen(&current, nullptr, nullptr, nullptr);
    EXPECT_EQ(current, dc);
    EXPECT_EQ(trazel::context.back.width, 64);
}

TEST_F(ContextTest, ResizeReplacesTheBufferAndWorksAfterReopening) {
    ASSERT_NE(ResizeTrazel(nullptr, 64, 48), nullptr);
    ASSERT_NE(ResizeTrazel(nullptr, 641, 480), nullptr);
    EXPECT_EQ(trazel::context.back.stride, 641 * 4);
    CloseTrazel();
    ASSERT_EQ(OpenTrazel(1), 1);
    EXPECT_NE(ResizeTrazel(nullptr, 32, 32), nullptr);
}

TEST_F(PaletteContextTest, PaletteRowsArePaddedToFourBytes) {
    ASSERT_NE(ResizeTrazel(nullptr, 641, 480), nullptr);
    EXPECT_EQ(trazel::context.back.stride, 644);
}

TEST_F(PaletteContextTest, CubeColoursMapThroughTheTable) {
    ASSERT_NE(ResizeTrazel(nullptr, 8, 2), nullptr);
    uint8_t *bits = nullptr;
    GetVirtualScreen(nullptr, reinterpret_cast<void **>(&bits), nullptr, nullptr);
    TzPatBlt(TZ_RGB(255, 0, 0));
    EXPECT_EQ(bits[0], 249);
    TzPatBlt(TZ_RGB(0, 0, 255));
    EXPECT_EQ(bits[15], 252);
    TzPatBlt(TZ_RGB(254, 254, 254));  // 254 is still level 4
    EXPECT_EQ(bits[3], trazel::kCubeToPalette[4 + 6 * 4 + 36 * 4]);
}

TEST_F(PaletteContextTest, PaletteHoldsTheExactCubeColours) {
    TzPalette *palette = nullptr;
    ASSERT_NE(ResizeTrazel(nullptr, 8, 8), nullptr);
    GetVirtualScreen(nullptr, nullptr, nullptr, &palette);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->entries[249], TZ_RGB(255, 0, 0));
    EXPECT_EQ(palette->entries[252],
              TZ_RGB(0, 0, 255));  // fixed: shared by three blues of the cube
    EXPECT_EQ(palette->entries[250], TZ_RGB(0, 255, 0));
    EXPECT_EQ(palette->entries[trazel::kCubeToPalette[1]], TZ_RGB(51, 0, 0));
    EXPECT_EQ(palette->entries[255], TZ_RGB(255, 255, 255));
    EXPECT_EQ(palette->entries[0], TZ_RGB(0, 0, 0));
    EXPECT_EQ(TzRealizePalette(trazel::context.back.dc), 256);
    EXPECT_EQ(TzRealizePalette(nullptr), 0);
}

// Presents the back buffer onto a fresh image and returns the pixel at (x, y) as 0xRRGGBB.
uint32_t PresentedPixel(int width, int height, int x, int y) {
    cairo_surface_t *image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t *target = cairo_create(image);
    EXPECT_EQ(TzPresent(target, 0, 0), 1);
    cairo_surface_flush(image);
    auto *row = reinterpret_cast<uint32_t *>(cairo_image_surface_get_data(image) +
                                             y * cairo_image_surface_get_stride(image));
    uint32_t pixel = row[x] & 0xFFFFFF;
    cairo_destroy(target);
    cairo_surface_destroy(image);
    return pixel;
}

TEST_F(PaletteContextTest, PresentConvertsBottomUpIndicesThroughThePalette) {
    ASSERT_NE(ResizeTrazel(nullptr, 4, 3), nullptr);
    uint8_t *bits = nullptr;
    GetVirtualScreen(nullptr, reinterpret_cast<void **>(&bits), nullptr, nullptr);
    TzPatBlt(TZ_RGB(0, 0, 0));
    bits[0] = trazel::PaletteIndexOf(TZ_RGB(255, 0, 0));  // memory row 0 is the bottom row
    EXPECT_EQ(PresentedPixel(4, 3, 0, 2), 0xFF0000u);
    EXPECT_EQ(PresentedPixel(4, 3, 0, 0), 0x000000u);
}

void FillWithCairo(cairo_t *dc, double red, double green, double blue) {
    cairo_set_source_rgb(dc, red, green, blue);
    cairo_paint(dc);
}

TEST_F(PaletteContextTest, CairoDrawingOnTheContextIsPresentedInOrderWithTheEnginesDrawing) {
    cairo_t *dc = ResizeTrazel(nullptr, 8, 6);
    ASSERT_NE(dc, nullptr);
    TzPatBlt(TZ_RGB(0, 0, 0));
    cairo_set_source_rgb(dc, 1, 0, 0);
    cairo_rectangle(dc, 2, 1, 4, 3);
    cairo_fill(dc);
    EXPECT_EQ(PresentedPixel(8, 6, 3, 2), 0xFF0000u);
    EXPECT_EQ(PresentedPixel(8, 6, 1, 2), 0x000000u);
    EXPECT_EQ(PresentedPixel(8, 6, 3, 2), 0xFF0000u);  // presented once, it stays in the picture
    FillWithCairo(dc, 1, 0, 0);
    TzPatBlt(TZ_RGB(0, 0, 255));
    EXPECT_EQ(PresentedPixel(8, 6, 0, 0), 0x0000FFu);
    FillWithCairo(dc, 1, 0, 0);
    Font(nullptr, dc, 0, 0, "lt", " ", TZ_RGB(255, 255, 255), TZ_RGB(0, 255, 0), nullptr, 6);
    EXPECT_EQ(PresentedPixel(8, 6, 0, 0), 0x00FF00u);
}

// Lending a surface and taking the own one back, a failed resize and a client's TzAllFree all leave
// the context of the last successful resize drawing into the back buffer.
TEST_F(ContextTest, ResizeContextStaysValidUntilTheNextResizeOrClose) {
    for (int32_t format : {TZ_DISPLAY_TRUE_COLOR, TZ_DISPLAY_PALETTE}) {
        SCOPED_TRACE(format);
        CloseTrazel();
        ASSERT_EQ(TzSetDisplayFormat(format), 1);
        ASSERT_EQ(OpenTrazel(1), 1);
        cairo_t *dc = ResizeTrazel(nullptr, 8, 6);
        ASSERT_NE(dc, nullptr);
        void *bits = nullptr;
        cairo_surface_t *surface = nullptr;
        GetVirtualScreen(nullptr, &bits, &surface, nullptr);
        int32_t stride = trazel::context.back.stride;
        cairo_surface_t *lent = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
        cairo_t *lentDc = cairo_create(lent);
        SetVirtualScreen(lentDc, cairo_image_surface_get_data(lent), lent, nullptr, 4, 4,
                         cairo_image_surface_get_stride(lent));
        SetVirtualScreen(dc, bits, surface, nullptr, 8, 6, stride);
        EXPECT_EQ(ResizeTrazel(nullptr, 0, 6), nullptr);
        TzAllFree();
        FillWithCairo(dc, 1, 0, 0);
        EXPECT_EQ(cairo_status(dc), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(PresentedPixel(8, 6, 7, 5), 0xFF0000u);
        cairo_destroy(lentDc);
        cairo_surface_destroy(lent);
    }
}

TEST_F(ContextTest, PresentCopiesTrueColourPixels) {
    ASSERT_NE(ResizeTrazel(nullptr, 4, 3), nullptr);
    TzPatBlt(TZ_RGB(10, 20, 30));
    EXPECT_EQ(PresentedPixel(4, 3, 3, 2), 0x0A141Eu);
}

enum class Drawing { Clear, Present };

// Each call draws once and returns its result.
int32_t DrawOnce(Drawing drawing) {
    if (drawing == Drawing::Clear) return TzPatBlt(TZ_RGB(255, 0, 0));
    cairo_surface_t *image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 64, 48);
    cairo_t *target = cairo_create(image);
    int32_t result = TzPresent(target, 0, 0);
    cairo_destroy(target);
    cairo_surface_destroy(image);
    return result;
}

enum class Lent { Surface, SurfaceAndBits, SurfaceBitsAndSize, NothingButTwiceTheStride };

// Lends an image surface's parts; the engine keeps its own items for the others.
void Lend(cairo_surface_t *surface, Lent lent) {
    if (lent == Lent::NothingButTwiceTheStride) {
        SetVirtualScreen(nullptr, nullptr, nullptr, nullptr, 0, 0, 2 * trazel::context.back.stride);
        return;
    }
    void *bits = lent == Lent::Surface ? nullptr : cairo_image_surface_get_data(surface);
    bool sized = lent == Lent::SurfaceBitsAndSize;
    SetVirtualScreen(nullptr, bits, surface, nullptr,
                     sized ? cairo_image_surface_get_width(surface) : 0,
                     sized ? cairo_image_surface_get_height(surface) : 0,
                     sized ? cairo_image_surface_get_stride(surface) : 0);
}

// A client surface that does not hold what the engine writes is refused, not overrun, and the
// refusal is said once however often the client draws.
TEST_F(ContextTest, LentSurfacesThatCannotHoldTheEnginesPixelsAreRefusedOnce) {
    const char *notRgb24 = "RGB24形式でないサーフェスに描画できません。";
    const char *tooSmall = "幅・高さ・行幅に足りないメモリに描画できません。";
    struct Case {
        int32_t displayFormat;
        cairo_format_t format;
        int32_t width, height;
        Lent lent;
        Drawing drawing;
        int32_t result;
        const char *message;  // null: none
    } cases[] = {
        {TZ_DISPLAY_TRUE_COLOR, CAIRO_FORMAT_RGB24, 64, 48, Lent::SurfaceBitsAndSize,
         Drawing::Clear, 1, nullptr},
        {TZ_DISPLAY_TRUE_COLOR, CAIRO_FORMAT_A8, 64, 48, Lent::SurfaceBitsAndSize, Drawing::Clear,
         0, notRgb24},
        {TZ_DISPLAY_TRUE_COLOR, CAIRO_FORMAT_RGB24, 16, 16, Lent::SurfaceAndBits, Drawing::Clear, 0,
         tooSmall},
        {TZ_DISPLAY_PALETTE, CAIRO_FORMAT_A8, 1, 1, Lent::NothingButTwiceTheStride, Drawing::Clear,
         0, tooSmall},
        {TZ_DISPLAY_PALETTE, CAIRO_FORMAT_A8, 64, 48, Lent::SurfaceBitsAndSize, Drawing::Clear, 1,
         nullptr},
        {TZ_DISPLAY_PALETTE, CAIRO_FORMAT_RGB24, 64, 48, Lent::SurfaceBitsAndSize, Drawing::Clear,
         0, "A8形式でないサーフェスに描画できません。"},
        {TZ_DISPLAY_PALETTE, CAIRO_FORMAT_A8, 64, 48, Lent::SurfaceBitsAndSize, Drawing::Present, 0,
         notRgb24},
        {TZ_DISPLAY_PALETTE, CAIRO_FORMAT_RGB16_565, 64, 48, Lent::Surface, Drawing::Present, 0,
         notRgb24},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format << ", " << c.width << "x"
                                        << c.height << ", lent " << int(c.lent));
        CloseTrazel();
        ASSERT_EQ(TzSetDisplayFormat(c.displayFormat), 1);
        ASSERT_EQ(OpenTrazel(1), 1);
        ASSERT_NE(ResizeTrazel(nullptr, 64, 48), nullptr);
        cairo_surface_t *surface = cairo_image_surface_create(c.format, c.width, c.height);
        Lend(surface, c.lent);
        ClearRecordedMessages();
        EXPECT_EQ(DrawOnce(c.drawing), c.result);
        EXPECT_EQ(DrawOnce(c.drawing), c.result);
        std::vector<std::string> shown;
        for (const RecordedMessage &message : RecordedMessages()) shown.push_back(message.text);
        EXPECT_EQ(shown, c.message != nullptr ? std::vector<std::string>{c.message}
                                              : std::vector<std::string>{});
        CloseTrazel();
        cairo_surface_destroy(surface);
    }
}

TEST_F(ContextTest, PresentWithoutBackBufferDoesNothing) {
    cairo_surface_t *image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
    cairo_t *target = cairo_create(image);
    EXPECT_EQ(TzPresent(target, 0, 0), 0);
    EXPECT_EQ(TzPresent(nullptr, 0, 0), 0);
    cairo_destroy(target);
    cairo_surface_destroy(image);
}

}  // namespace
