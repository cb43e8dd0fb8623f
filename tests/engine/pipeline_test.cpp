// The frame pipeline: culling, projection, near-plane acceptance, the polygon limit, lighting,
// the model modes and their warnings, and the per-object callback.
#include <functional>

#include "engine_fixture.h"
#include "test_mesh.h"

namespace {

struct CallbackCall {
    int32_t index;
    std::vector<uint8_t> needed;
    std::vector<TzPoint> points;
};
std::vector<CallbackCall> callbackCalls;
int32_t callbackVertices = 0;

void RecordCallback(int32_t index, const uint8_t *needed, const TzPoint *points) {
    callbackCalls.push_back(CallbackCall{index,
                                         std::vector<uint8_t>(needed, needed + callbackVertices),
                                         std::vector<TzPoint>(points, points + callbackVertices)});
}

class PipelineTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_NE(ResizeTrazel(nullptr, 640, 480), nullptr);
        callbackCalls.clear();
    }
    void TearDown() override {
        Set2DObjectPointProc(nullptr);
        EngineTest::TearDown();
    }
    // Draws the objects seen from a camera at the origin looking along +x.
    int32_t Draw(std::vector<ObjectStruct> objects) {
        scene_ = {ObjectStruct{}};
        scene_.insert(scene_.end(), objects.begin(), objects.end());
        return Trazel(static_cast<int32_t>(objects.size()), scene_.data());
    }
    std::vector<ObjectStruct> scene_;
};

TEST_F(PipelineTest, OnlyPlanesFacingTheCameraAreListed) {
    SetModelMode(TZ_MODEL_NOTHING);
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    EXPECT_EQ(Draw({Placed(cube.Data(), 100, 0, 0)}), 1);
    ObjectStruct turned = Placed(cube.Data(), 100, 0, 0);
    turned.angleZ = 512;
    EXPECT_EQ(Draw({turned}), 2);
    ObjectStruct above = Placed(cube.Data(), 100, 0, 40);
    EXPECT_EQ(Draw({above}), 2);  // the front and the bottom face
}

TEST_F(PipelineTest, HiddenAndMeshlessObjectsAreSkippedWithoutCallback) {
    SetModelMode(TZ_MODEL_NOTHING);
    Set2DObjectPointProc(RecordCallback);
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    ObjectStruct hidden = Placed(cube.Data(), 100, 0, 0);
    hidden.show = 0;
    ObjectStruct meshless = Placed(nullptr, 100, 0, 0);
    EXPECT_EQ(Draw({hidden, meshless}), 0);
    EXPECT_TRUE(callbackCalls.empty());
}

TEST_F(PipelineTest, CallbackGetsTheNeededVerticesAndTheirScreenPoints) {
    SetModelMode(TZ_MODEL_NOTHING);
    Set2DObjectPointProc(RecordCallback);
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    callbackVertices = 8;
    TestMesh other = TestMesh::Cube(10, TZ_RGB(0, 200, 0));
    ObjectStruct hidden = Placed(other.Data(), 100, 50, 0);
    hidden.show = 0;
    Draw({hidden, Placed(cube.Data(), 110, 0, 0)});
    ASSERT_EQ(callbackCalls.size(), 1u);
    const CallbackCall &call = callbackCalls[0];
    EXPECT_EQ(call.index, 2);
    // Only the four corners of the -x face (x = 100) are needed.
    EXPECT_EQ(call.needed, (std::vector<uint8_t>{1, 0, 1, 0, 1, 0, 1, 0}));
    // Corner 6 is at (100, 10, 10): 300 * 10 / 100 = 30 pixels left of and above the centre.
    EXPECT_EQ(call.points[6].x, 290);
    EXPECT_EQ(call.points[6].y, 210);
    EXPECT_EQ(call.points[0].x, 350);
    EXPECT_EQ(call.points[0].y, 270);
}

TEST_F(PipelineTest, QueryProjectionDiffersByOnePixelLeftOfAndAboveTheCentre) {
    SetModelMode(TZ_MODEL_NOTHING);
    Set2DObjectPointProc(RecordCallback);
    TestMesh square = TestMesh::Square(3.5f, TZ_RGB(200, 0, 0));  // 300 * 3.5 / 100 = 10.5 pixels
    callbackVertices = 4;
    Draw({Placed(square.Data(), 100, 0, 0)});
    ASSERT_EQ(callbackCalls.size(), 1u);
    TzPoint query{};
    // Vertex 2 at (y, z) = (3.5, 3.5) lies left of and above the centre.
    ASSERT_EQ(Get2DObjectPoint(scene_.data(), 1, 2, &query), 1);
    EXPECT_EQ(callbackCalls[0].points[2].x, 309);  // truncate(320 - 10.5)
    EXPECT_EQ(callbackCalls[0].points[2].y, 229);
    EXPECT_EQ(query.x, 310);  // truncate(-10.5) + 320
    EXPECT_EQ(query.y, 230);
    // Vertex 0 at (-3.5, -3.5): right of and below the centre both agree.
    ASSERT_EQ(Get2DObjectPoint(scene_.data(), 1, 0, &query), 1);
    EXPECT_EQ(callbackCalls[0].points[0].x, 330);
    EXPECT_EQ(query.x, 330);
    EXPECT_EQ(query.y, 250);
}

TEST_F(PipelineTest, CentreOffsetMovesBothProjections) {
    SetModelMode(TZ_MODEL_NOTHING);
    Set2DObjectPointProc(RecordCallback);
    SetCenter(-20, 10);
    TestMesh square = TestMesh::Square(10, TZ_RGB(200, 0, 0));
    callbackVertices = 4;
    Draw({Placed(square.Data(), 100, 0, 0)});
    TzPoint query{};
    ASSERT_EQ(Get2DObjectPoint(scene_.data(), 1, 0, &query), 1);
    EXPECT_EQ(callbackCalls.at(0).points[0].x, 320 - 20 + 30);
    EXPECT_EQ(callbackCalls.at(0).points[0].y, 240 + 10 + 30);
    EXPECT_EQ(query.x, 330);
    EXPECT_EQ(query.y, 280);
}

TEST_F(PipelineTest, ObjectTouchingTheClipDistanceFromBehindIsStillProcessed) {
    SetModelMode(TZ_MODEL_NOTHING);
    Set2DObjectPointProc(RecordCallback);
    TestMesh square = TestMesh::Square(3, TZ_RGB(200, 0, 0));
    square.AddVertex(0, 0, 5);  // makes the radius exactly 5
    callbackVertices = 5;
    Draw({Placed(square.Data(), 25, 0, 0)});  // origin depth 25 + radius 5 == clip distance 30
    EXPECT_EQ(callbackCalls.size(), 1u);
    Draw({Placed(square.Data(), 24.9f, 0, 0)});
    EXPECT_EQ(callbackCalls.size(), 1u);
}

TEST_F(PipelineTest, PlanesWhollyNearerThanTheClipDistanceAreDropped) {
    SetModelMode(TZ_MODEL_NOTHING);
    TestMesh square = TestMesh::Square(10, TZ_RGB(200, 0, 0));
    // The sphere crosses the clip distance in both; a plane exactly at it still counts as in front.
    EXPECT_EQ(Draw({Placed(square.Data(), 29.5f, 0, 0)}), 0);
    EXPECT_EQ(Draw({Placed(square.Data(), 30, 0, 0)}), 1);
    ObjectStruct tilted = Placed(square.Data(), 30, 0, 0);
    tilted.angleY = 256;  // leans the square through the clip distance
    EXPECT_EQ(Draw({tilted}), 1);
}

// A field of count small squares facing the camera, in one mesh.
TestMesh SquareField(int count) {
    TestMesh mesh;
    mesh.AddMaterial(TZ_RGB(0, 0, 200));
    for (int i = 0; i < count; ++i) {
        float y = static_cast<float>(i % 50) - 25, z = static_cast<float>(i / 50) - 25;
        int32_t a = mesh.AddVertex(0, y, z), b = mesh.AddVertex(0, y, z + 0.5f);
        int32_t c = mesh.AddVertex(0, y + 0.5f, z + 0.5f), d = mesh.AddVertex(0, y + 0.5f, z);
        mesh.AddPlane({a, b, c, d});
    }
    return mesh;
}

TEST_F(PipelineTest, PolygonListStopsAtFiveThousandAndSaysSoOncePerOverflowingScene) {
    SetModelMode(TZ_MODEL_NOTHING);
    TestMesh field = SquareField(1250);
    std::vector<ObjectStruct> crowd;
    for (int i = 0; i < 5; ++i) crowd.push_back(Placed(field.Data(), 200 + i * 10, 0, 0));
    const std::string limit = "１画面に表示できる最大ポリゴン数\n5000を越えました。";
    EXPECT_EQ(Draw(crowd), 5000);
    EXPECT_TRUE(SawMessage(limit));
    ClearRecordedMessages();
    EXPECT_EQ(Draw(crowd), 5000);
    EXPECT_TRUE(RecordedMessages().empty());
    EXPECT_EQ(Draw({crowd[0], crowd[1], crowd[2], crowd[3]}), 5000);  // exactly full is no overflow
    EXPECT_TRUE(RecordedMessages().empty());
    EXPECT_EQ(Draw({crowd[0]}), 1250);
    EXPECT_EQ(Draw(crowd), 5000);
    EXPECT_TRUE(SawMessage(limit));
}

TEST_F(PipelineTest, UnknownModelModeListsButDrawsNothingAndWarnsOnce) {
    CloseTrazel();
    ASSERT_EQ(OpenTrazel(0), 1);  // this warning is shown whatever the messages flag says
    ASSERT_NE(ResizeTrazel(nullptr, 640, 480), nullptr);
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    SetModelMode(7);
    EXPECT_EQ(Draw({Placed(cube.Data(), 100, 0, 0)}), 1);
    EXPECT_EQ(Draw({Placed(cube.Data(), 100, 0, 0)}), 1);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "ModelModeが不正です。");
    SetModelMode(TZ_MODEL_NOTHING);
    Draw({});
    SetModelMode(7);
    Draw({});
    EXPECT_EQ(RecordedMessages().size(), 2u);
}

TEST_F(PipelineTest, UnknownDirModesAreReportedOncePerSituation) {
    SetModelMode(TZ_MODEL_NOTHING);
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    ObjectStruct odd = Placed(cube.Data(), 100, 0, 0);
    odd.dirMode = 12;
    Draw({odd});
    Draw({odd});
    EXPECT_EQ(RecordedMessages().size(), 1u);
    EXPECT_TRUE(SawMessage("オブジェクトのdirModeが不正です。"));
    scene_[0].dirMode = -1;
    Trazel(0, scene_.data());
    EXPECT_TRUE(SawMessage("カメラのdirModeが不正です。"));
}

TEST_F(PipelineTest, MeshesTheWorkArraysCannotHoldAreSkippedWithMessage) {
    SetModelMode(TZ_MODEL_NOTHING);
    TestMesh big = SquareField(1251);  // 5004 vertices
    EXPECT_EQ(Draw({Placed(big.Data(), 200, 0, 0)}), 0);
    EXPECT_TRUE(SawMessage("5000"));
}

TEST_F(PipelineTest, PlanesPointingOutsideTheirMeshAreSkipped) {
    SetModelMode(TZ_MODEL_SOLID);
    TestMesh square = TestMesh::Square(10, TZ_RGB(200, 0, 0));
    ObjectData *data = square.Data();
    data->pln[0].pnt[2] = 4;  // one past the last vertex
    EXPECT_EQ(Draw({Placed(data, 100, 0, 0)}), 0);
    data->pln[0].pnt[2] = 2;
    data->pln[0].material = 1;  // one past the last material
    EXPECT_EQ(Draw({Placed(data, 100, 0, 0)}), 0);
}

TEST_F(PipelineTest, FacingValuesOfEveryPlaneAndNothingForObjectsBehind) {
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    Draw({Placed(cube.Data(), 100, 0, 0)});
    float facing[6];
    ASSERT_EQ(IsObversePolygon(scene_.data(), 1, facing), 1);
    EXPECT_LE(facing[0], 0.0f);
    for (int p = 1; p < 6; ++p) EXPECT_GT(facing[p], 0.0f) << p;
    EXPECT_FLOAT_EQ(facing[0], -90);  // (corner - camera) . normal, the face at x = 90
    Draw({Placed(cube.Data(), -100, 0, 0)});
    facing[0] = 42;
    EXPECT_EQ(IsObversePolygon(scene_.data(), 1, facing), 0);
    EXPECT_EQ(facing[0], 42);
}

TEST_F(PipelineTest, ObjectPointQueryIgnoresShowAndRefusesPointsBehind) {
    TestMesh cube = TestMesh::Cube(10, TZ_RGB(200, 0, 0));
    ObjectStruct hidden = Placed(cube.Data(), 100, 0, 0);
    hidden.show = 0;
    Draw({hidden, Placed(cube.Data(), 25, 0, 0)});
    TzPoint point{};
    EXPECT_EQ(Get2DObjectPoint(scene_.data(), 1, 0, &point), 1);
    EXPECT_EQ(Get2DObjectPoint(scene_.data(), 2, 0, &point), 0);  // x = 15, nearer than 30
    EXPECT_EQ(Get2DObjectPoint(scene_.data(), 2, 1, &point), 1);  // x = 35
    EXPECT_EQ(Get2DObjectPoint(scene_.data(), 2, 8, &point), 0);  // no such vertex
}

}  // namespace
