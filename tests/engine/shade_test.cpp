// Load-time shading: refusing meshes the engine cannot walk, normals, flat colours, vertex normals.
#include <cmath>
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace {

// A mesh the client built in its own memory, with every plane on material 0.
class ClientMesh {
  public:
    ClientMesh(std::vector<Vector3> points, std::vector<std::vector<int32_t>> corners,
               std::vector<MaterialData> materials = {{200, 200, 200, 0.0f}})
        : points_(std::move(points)),
          corners_(std::move(corners)),
          materials_(std::move(materials)) {
        for (std::vector<int32_t> &list : corners_) {
            planes_.push_back(PlaneData{0, {}, static_cast<int32_t>(list.size()), list.data(), {}});
        }
        data.pntNum = static_cast<int32_t>(points_.size());
        data.pnt = points_.data();
        data.plnNum = static_cast<int32_t>(planes_.size());
        data.pln = planes_.data();
        data.materialNum = static_cast<int32_t>(materials_.size());
        data.material = materials_.data();
    }
    ClientMesh(const ClientMesh &) = delete;
    ClientMesh &operator=(const ClientMesh &) = delete;
    ~ClientMesh() { TzFree(data.shadingVector); }

    std::vector<int32_t> Corners(int plane) const {
        const PlaneData &p = data.pln[plane];
        return std::vector<int32_t>(p.pnt, p.pnt + p.pntNum);
    }

    ObjectData data{};

  private:
    std::vector<Vector3> points_;
    std::vector<std::vector<int32_t>> corners_;
    std::vector<PlaneData> planes_;
    std::vector<MaterialData> materials_;
};

using Corners = std::vector<int32_t>;

// The origin and the tips of the y and z axes, ten units out, and of the x axis.
const std::vector<Vector3> kAxisPoints = {{0, 0, 0}, {0, 10, 0}, {0, 0, 10}, {10, 0, 0}};

void ExpectVector(Vector3 actual, Vector3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

const float kHalfRoot2 = std::sqrt(0.5f);

class ShadeTest : public EngineTest {};

// ---- Meshes the engine cannot walk ------------------------------------------------------------

TEST_F(ShadeTest, MissingBlocksAreSaidInTheirOrder) {
    ClientMesh mesh(kAxisPoints, {{0, 1, 2}});
    mesh.data.material = nullptr;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    mesh.data.pln = nullptr;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    mesh.data.pnt = nullptr;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    ASSERT_EQ(RecordedMessages().size(), 3u);
    EXPECT_EQ(RecordedMessages()[0].text,
              "SetObjectDataColor()の呼び出しで、\nmaterialメンバのメモリが確保されていません。");
    EXPECT_EQ(RecordedMessages()[1].text,
              "SetObjectDataColor()の呼び出しで、\nplnメンバのメモリが確保されていません。");
    EXPECT_EQ(RecordedMessages()[2].text,
              "SetObjectDataColor()の呼び出しで、\npntメンバのメモリが確保されていません。");
    EXPECT_EQ(SetObjectDataShadingVector(&mesh.data), 0);
    EXPECT_EQ(mesh.data.shadingVector, nullptr);
}

TEST_F(ShadeTest, CountsBeyondTheEnginesLimitsAreRefused) {
    ClientMesh mesh(kAxisPoints, {{0, 1, 2}});
    mesh.data.pntNum = 5001;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    mesh.data.pntNum = -1;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    mesh.data.pntNum = 4;
    mesh.data.plnNum = 5001;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    mesh.data.plnNum = -1;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    EXPECT_EQ(SetObjectDataShadingVector(&mesh.data), 0);
    ASSERT_EQ(RecordedMessages().size(), 4u);
    EXPECT_EQ(RecordedMessages()[0].text,
              "SetObjectDataColor()の呼び出しで、\n頂点数5001は範囲外です。");
    EXPECT_EQ(RecordedMessages()[1].text,
              "SetObjectDataColor()の呼び出しで、\n頂点数-1は範囲外です。");
    EXPECT_EQ(RecordedMessages()[2].text,
              "SetObjectDataColor()の呼び出しで、\n面数5001は範囲外です。");
    EXPECT_EQ(RecordedMessages()[3].text,
              "SetObjectDataColor()の呼び出しで、\n面数-1は範囲外です。");
}

struct BrokenPlane {
    const char *what;
    void (*breakPlane)(PlaneData &plane);
};

const BrokenPlane kBrokenPlanes[] = {
    {"TwoCorners", [](PlaneData &plane) { plane.pntNum = 2; }},
    {"NineCorners", [](PlaneData &plane) { plane.pntNum = 9; }},
    {"NoCornerList", [](PlaneData &plane) { plane.pnt = nullptr; }},
    {"NegativeVertexIndex", [](PlaneData &plane) { plane.pnt[2] = -1; }},
    {"VertexIndexEqualToVertexCount", [](PlaneData &plane) { plane.pnt[1] = 4; }},
    {"NegativeMaterialIndex", [](PlaneData &plane) { plane.material = -1; }},
    {"MaterialIndexEqualToMaterialCount", [](PlaneData &plane) { plane.material = 1; }},
};

void PrintTo(const BrokenPlane &value, std::ostream *out) {
    *out << value.what;
}

class BrokenPlaneTest : public ShadeTest, public ::testing::WithParamInterface<BrokenPlane> {};

TEST_P(BrokenPlaneTest, IsRefusedByNumberBeforeAnythingChanges) {
    std::vector<int32_t> nine(9, 0);
    ClientMesh mesh(kAxisPoints, {{0, 1, 2}, {0, 1, 3}});
    PlaneData &broken = mesh.data.pln[1];
    GetParam().breakPlane(broken);
    if (broken.pntNum == 9) broken.pnt = nine.data();  // the list is as long as it says
    mesh.data.radius = -1.0f;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "面No.1のデータが不正です。");
    EXPECT_EQ(mesh.data.radius, -1.0f);
    ExpectVector(mesh.data.pln[0].normal, {0, 0, 0});
    EXPECT_EQ(SetObjectDataShadingVector(&mesh.data), 0);
    EXPECT_EQ(mesh.data.shadingVector, nullptr);
}

INSTANTIATE_TEST_SUITE_P(ClientMeshes, BrokenPlaneTest, ::testing::ValuesIn(kBrokenPlanes),
                         [](const auto &info) { return std::string(info.param.what); });

TEST_F(ShadeTest, NullRecordIsRefused) {
    EXPECT_EQ(SetObjectDataColor(nullptr), 0);
    EXPECT_EQ(SetObjectDataShadingVector(nullptr), 0);
}

// ---- Radius and plane normals ------------------------------------------------------------------

TEST_F(ShadeTest, RadiusIsTheLargestVertexDistance) {
    ClientMesh mesh({{3, 4, 0}, {0, 0, -12}, {1, 1, 1}}, {{0, 1, 2}});
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 1);
    EXPECT_EQ(mesh.data.radius, 12.0f);
}

TEST_F(ShadeTest, NormalFollowsTheWindingOfTheCorners) {
    ClientMesh mesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 1}}, {{0, 1, 2}, {0, 2, 1}});
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 1);
    ExpectVector(mesh.data.pln[0].normal, {0, -kHalfRoot2, kHalfRoot2});
    ExpectVector(mesh.data.pln[1].normal, {0, kHalfRoot2, -kHalfRoot2});
}

TEST_F(ShadeTest, RepeatedVertexRotatesTheCornersUntilANormalIsFound) {
    ClientMesh mesh(kAxisPoints, {{0, 0, 1, 2}, {1, 2, 2, 0}});
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 1);
    EXPECT_EQ(mesh.Corners(0), (Corners{0, 1, 2, 0}));
    EXPECT_EQ(mesh.Corners(1), (Corners{2, 0, 1, 2}));
    ExpectVector(mesh.data.pln[0].normal, {1, 0, 0});
    ExpectVector(mesh.data.pln[1].normal, {1, 0, 0});
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(ShadeTest, CollinearPlaneHasNoNormalAndKeepsItsCornerOrder) {
    ClientMesh mesh({{0, 0, 0}, {1, 2, 3}, {2, 4, 6}, {0, 0, 1}}, {{0, 1, 3}, {2, 0, 1, 0}});
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "面No.1は、法線が求められません。");
    EXPECT_EQ(mesh.Corners(1), (Corners{2, 0, 1, 0}));  // rotated once per corner: back again
}

TEST_F(ShadeTest, PlaneNormalMessageNeedsTheMessagesFlagToBeExactlyOne) {
    CloseTrazel();
    ASSERT_EQ(OpenTrazel(2), 1);
    ClientMesh mesh({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, 1, 2}});
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    EXPECT_TRUE(RecordedMessages().empty());
    mesh.data.material = nullptr;
    EXPECT_EQ(SetObjectDataColor(&mesh.data), 0);
    EXPECT_EQ(RecordedMessages().size(), 1u);  // the other messages only need it on
}

// ---- Flat colours -------------------------------------------------------------------------------

// A triangle facing -x (towards a viewer on the -x side) and one facing +x, on a material
// (200, 0, 255) with highlight 0.5.
class FlatColourTest : public ShadeTest {
  protected:
    ClientMesh mesh{kAxisPoints, {{0, 2, 1}, {0, 1, 2}}, {{200, 0, 255, 0.5f}}};

    std::vector<int> Colour(int plane) const {
        const uint8_t *color = mesh.data.pln[plane].color;
        return {color[0], color[1], color[2]};
    }
};

TEST_F(FlatColourTest, IntensityAboveOneBrightensTowardsWhite) {
    // Full ambient, and the light travelling along +x: the front of plane 0 faces it and the
    // viewer, so the highlight adds its full 0.5 and the intensity is 1.5.
    Vector3 light{1, 0, 0};
    SetLight(&light, 1.0f);
    ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
    EXPECT_EQ(Colour(0), (std::vector<int>{227, 127, 255}));
}

TEST_F(FlatColourTest, PlaneFacingAwayFromTheLightGetsTheAmbientLevel) {
    Vector3 light{1, 0, 0};
    SetLight(&light, 0.5f);
    ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
    EXPECT_EQ(Colour(1), (std::vector<int>{100, 0, 127}));
}

TEST_F(FlatColourTest, ColoursFollowTheLightOfTheLastCall) {
    Vector3 light{1, 0, 0};
    SetLight(&light, 0.5f);
    ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
    std::vector<int> before = Colour(0);
    Vector3 reversed{-1, 0, 0};
    SetLight(&reversed, 0.5f);
    ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
    EXPECT_EQ(Colour(0), (std::vector<int>{100, 0, 127}));
    EXPECT_NE(before, Colour(0));
}

// ---- Vertex normals
// -------------------------------------------------------------------------------

TEST_F(ShadeTest, VertexNormalsAverageEachPlaneOnceAndUnusedVerticesPointUp) {
    std::vector<Vector3> points = kAxisPoints;
    points.push_back({5, 5, 5});  // used by no plane
    // Plane 0 faces +x and names the origin twice; plane 1 faces -z.
    ClientMesh mesh(points, {{0, 0, 1, 2}, {0, 1, 3}});
    ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
    ASSERT_EQ(SetObjectDataShadingVector(&mesh.data), 1);
    const Vector3 *normals = mesh.data.shadingVector;
    ExpectVector(normals[0], {kHalfRoot2, 0, -kHalfRoot2});
    ExpectVector(normals[1], {kHalfRoot2, 0, -kHalfRoot2});
    ExpectVector(normals[2], {1, 0, 0});
    ExpectVector(normals[3], {0, 0, -1});
    ExpectVector(normals[4], {0, 0, 1});
}

TEST_F(ShadeTest, NormalsThatCancelOutLeaveTheLastPlanesNormal) {
    ClientMesh mesh(kAxisPoints, {{0, 1, 2}, {0, 2, 1}});
    ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
    ASSERT_EQ(SetObjectDataShadingVector(&mesh.data), 1);
    for (int vertex = 0; vertex < 3; ++vertex)
        ExpectVector(mesh.data.shadingVector[vertex], {-1, 0, 0});
}

TEST_F(ShadeTest, RecomputingVertexNormalsReleasesTheOlderBlock) {
    {
        ClientMesh mesh(kAxisPoints, {{0, 1, 2}});
        ASSERT_EQ(SetObjectDataColor(&mesh.data), 1);
        ASSERT_EQ(SetObjectDataShadingVector(&mesh.data), 1);
        ASSERT_EQ(SetObjectDataShadingVector(&mesh.data), 1);
    }
    CloseTrazel();
    EXPECT_FALSE(FileExists("tzdebug.txt"));
}

}  // namespace
