// Drawing the polygon list: painter's order with whole-unit depth granularity, what each model
// mode puts into the back buffer, and lighting that follows the object and the light every frame.
#include <cstring>

#include "engine_fixture.h"
#include "test_mesh.h"

namespace {

constexpr int kWidth = 160, kHeight = 120;

class DrawTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_NE(ResizeTrazel(nullptr, kWidth, kHeight), nullptr);
        TzPatBlt(TZ_RGB(0, 0, 0));
    }
    int32_t Draw(std::vector<ObjectStruct> objects) {
        scene_ = {ObjectStruct{}};
        scene_.insert(scene_.end(), objects.begin(), objects.end());
        return Trazel(static_cast<int32_t>(objects.size()), scene_.data());
    }
    // The true-colour pixel at (x, y) as a colour value.
    TzColor Pixel(int x, int y) {
        uint8_t *bits = nullptr;
        GetVirtualScreen(nullptr, reinterpret_cast<void **>(&bits), nullptr, nullptr);
        uint32_t rgb;
        std::memcpy(&rgb, bits + y * kWidth * 4 + x * 4, 4);
        return TZ_RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    int CountPixels(TzColor color) {
        int count = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) count += Pixel(x, y) == color;
        }
        return count;
    }
    std::vector<ObjectStruct> scene_;
};

constexpr TzColor kRed = TZ_RGB(255, 0, 0), kGreen = TZ_RGB(0, 255, 0);

TEST_F(DrawTest, FartherPolygonsAreDrawnFirst) {
    SetModelMode(TZ_MODEL_SOLID);
    TestMesh near = TestMesh::Square(10, kGreen), far = TestMesh::Square(20, kRed);
    Draw({Placed(near.Data(), 100, 0, 0), Placed(far.Data(), 150, 0, 0)});
    EXPECT_EQ(Pixel(80, 60), kGreen);
    EXPECT_EQ(Pixel(80 + 35, 60), kRed);
}

TEST_F(DrawTest, DepthsLessThanOneUnitApartAreDrawnInListOrder) {
    SetModelMode(TZ_MODEL_SOLID);
    TestMesh near = TestMesh::Square(10, kGreen), far = TestMesh::Square(10, kRed);
    Draw({Placed(near.Data(), 100.2f, 0, 0), Placed(far.Data(), 100.9f, 0, 0)});
    EXPECT_EQ(Pixel(80, 60), kRed);  // counts as level with the green one, and comes later
    Draw({Placed(near.Data(), 100.2f, 0, 0), Placed(far.Data(), 101.3f, 0, 0)});
    EXPECT_EQ(Pixel(80, 60), kGreen);
}

TEST_F(DrawTest, NothingModeListsTheSamePolygonsAndDrawsNone) {
    TestMesh cube = TestMesh::Cube(10, kRed);
    ObjectStruct turned = Placed(cube.Data(), 100, 0, 0);
    turned.angleZ = 300;
    turned.angleY = 200;
    SetModelMode(TZ_MODEL_SOLID);
    int32_t solid = Draw({turned});
    TzPatBlt(TZ_RGB(0, 0, 0));
    SetModelMode(TZ_MODEL_NOTHING);
    EXPECT_EQ(Draw({turned}), solid);
    EXPECT_EQ(CountPixels(TZ_RGB(0, 0, 0)), kWidth * kHeight);
}

TEST_F(DrawTest, WireFrameDrawsWhiteOutlinesOnly) {
    SetModelMode(TZ_MODEL_WIRE);
    TestMesh square = TestMesh::Square(10, kRed);
    Draw({Placed(square.Data(), 100, 0, 0)});  // corners at x 50..110, y 30..90
    const TzColor white = TZ_RGB(255, 255, 255);
    EXPECT_EQ(Pixel(50, 60), white);            // left edge
    EXPECT_EQ(Pixel(80, 30), white);            // top edge
    EXPECT_EQ(Pixel(80, 60), TZ_RGB(0, 0, 0));  // inside stays clear
    EXPECT_EQ(CountPixels(white), 4 * 60);
}

TEST_F(DrawTest, RecordingModeDrawsLikeHalftone) {
    TestMesh square = TestMesh::Square(10, TZ_RGB(200, 100, 50));
    SetModelMode(TZ_MODEL_HALFTONE);
    Draw({Placed(square.Data(), 100, 0, 0)});
    std::vector<TzColor> halftone;
    for (int x = 40; x < 120; ++x) halftone.push_back(Pixel(x, 60));
    TzPatBlt(TZ_RGB(0, 0, 0));
    SetModelMode(TZ_MODEL_RECORD);
    Draw({Placed(square.Data(), 100, 0, 0)});
    for (int x = 40; x < 120; ++x) EXPECT_EQ(Pixel(x, 60), halftone[x - 40]) << x;
    EXPECT_TRUE(FileExists("TRAZEL.3DA"));
}

// A square facing +x in its own coordinates, lit through the shading flag.
TestMesh BackwardSquare(TzColor color) {
    TestMesh mesh;
    mesh.AddMaterial(color);
    mesh.AddVertex(0, -10, -10);
    mesh.AddVertex(0, 10, -10);
    mesh.AddVertex(0, 10, 10);
    mesh.AddVertex(0, -10, 10);
    mesh.AddPlane({0, 1, 2, 3});
    return mesh;
}

TEST_F(DrawTest, ShadedObjectsAreLitInTheirOwnCoordinatesEveryFrame) {
    SetModelMode(TZ_MODEL_SOLID);
    Vector3 intoTheScreen{1, 0, 0};
    SetLight(&intoTheScreen, 0.5f);
    TestMesh square = BackwardSquare(TZ_RGB(200, 100, 40));
    ObjectStruct turned = Placed(square.Data(), 100, 0, 0);
    turned.angleZ = 2048;  // its front now faces the camera, and the light falls straight on it
    turned.shading = 1;
    Draw({turned});
    EXPECT_EQ(Pixel(80, 60), TZ_RGB(200, 100, 40));
    Vector3 fromBehind{-1, 0, 0};
    SetLight(&fromBehind, 0.5f);
    Draw({turned});
    EXPECT_EQ(Pixel(80, 60), TZ_RGB(100, 50, 20));  // ambient only
    turned.shading = 0;                             // the load-time colour, whatever the light
    square.Data()->pln[0].color[0] = 7;
    Draw({turned});
    EXPECT_EQ(Pixel(80, 60), TZ_RGB(7, 100, 40));
}

TEST_F(DrawTest, HighlightBrightensTowardsWhiteWhenTheLightReflectsAtTheViewer) {
    SetModelMode(TZ_MODEL_SOLID);
    Vector3 intoTheScreen{1, 0, 0};
    SetLight(&intoTheScreen, 0.4f);
    TestMesh shiny;
    shiny.AddMaterial(TZ_RGB(100, 100, 100), 1.0f);
    for (int i = 0; i < 4; ++i)
        shiny.AddVertex(0, i == 1 || i == 2 ? 10.f : -10.f, i >= 2 ? 10.f : -10.f);
    shiny.AddPlane({0, 1, 2, 3});
    ObjectStruct turned = Placed(shiny.Data(), 100, 0, 0);
    turned.angleZ = 2048;
    turned.shading = 1;
    Draw({turned});
    EXPECT_EQ(Pixel(80, 60), TZ_RGB(255, 255, 255));  // intensity 1 + highlight 1 = 2: white
}

class PaletteDrawTest : public PaletteEngineTest {
  protected:
    void SetUp() override {
        PaletteEngineTest::SetUp();
        ASSERT_NE(ResizeTrazel(nullptr, kWidth, kHeight), nullptr);
        TzPatBlt(TZ_RGB(0, 0, 0));
    }
};

TEST_F(PaletteDrawTest, GouraudCutsPlanesAtTheNearDistanceAndFillsThem) {
    SetModelMode(TZ_MODEL_GOURAUD);
    TestMesh square = TestMesh::Square(40, TZ_RGB(200, 200, 200));
    ObjectData *data = square.Data();
    ASSERT_EQ(SetObjectDataShadingVector(data), 1);
    ObjectStruct tilted = Placed(data, 40, 0, 0);
    tilted.angleY = 300;  // the top leans towards the camera, through the near distance
    ObjectStruct scene[2] = {ObjectStruct{}, tilted};
    EXPECT_EQ(Trazel(1, scene), 1);
    uint8_t *bits = nullptr;
    GetVirtualScreen(nullptr, reinterpret_cast<void **>(&bits), nullptr, nullptr);
    int lit = 0;
    for (int i = 0; i < kWidth * kHeight; ++i) lit += bits[i] != 0;
    EXPECT_GT(lit, kWidth * kHeight / 4);
}

}  // namespace
