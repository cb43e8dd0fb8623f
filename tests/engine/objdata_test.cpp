// Mesh records: reading meshes from object files, the checks on their values, release, placement.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "objfile.h"

namespace {

// The parts of an object block, each a count and its groups; tests replace the part they probe.
struct MeshText {
    std::string materials = "1\n255 0 0 0.5\n";
    std::string vertices = "3\n0 0 0\n0 10 0\n0 0 10\n";
    std::string planes = "1\n3 0 1 2 0\n";

    std::string Block(const std::string &name) const {
        return "*" + name + "\n" + materials + vertices + planes;
    }
};

class ObjDataTest : public EngineTest {
  protected:
    int32_t Read(const MeshText &mesh, ObjectData *data) {
        WriteTextFile("mesh.m3d", mesh.Block("Mesh"));
        return ReadObjectData(data, "mesh.m3d", "Mesh");
    }

    bool LeftBlocksBehind() {
        CloseTrazel();
        return FileExists("tzdebug.txt");
    }
};

bool IsEmpty(const ObjectData &data) {
    ObjectData empty{};
    return std::memcmp(&data, &empty, sizeof data) == 0;
}

// True when *block is a live tracked block (only those can be resized); keeps it valid if it moves.
template <typename T>
bool StaysLive(T **block, int32_t count) {
    void *resized = TzReAlloc(*block, static_cast<int32_t>(sizeof(T)) * count);
    if (resized == nullptr) return false;
    *block = static_cast<T *>(resized);
    return true;
}

// ---- Reading meshes --------------------------------------------------------------------------

TEST_F(ObjDataTest, SmallestMeshFillsEveryField) {
    ObjectData data{};
    ASSERT_EQ(Read(MeshText{}, &data), 1);
    EXPECT_TRUE(RecordedMessages().empty());
    ASSERT_EQ(data.materialNum, 1);
    EXPECT_EQ(data.material[0].red, 255);
    EXPECT_EQ(data.material[0].green, 0);
    EXPECT_EQ(data.material[0].blue, 0);
    EXPECT_EQ(data.material[0].highlight, 0.5f);
    ASSERT_EQ(data.pntNum, 3);
    EXPECT_EQ(data.pnt[1].y, 10.0f);
    EXPECT_EQ(data.pnt[2].z, 10.0f);
    EXPECT_EQ(data.radius, 10.0f);
    ASSERT_EQ(data.plnNum, 1);
    const PlaneData &plane = data.pln[0];
    ASSERT_EQ(plane.pntNum, 3);
    EXPECT_EQ(std::vector<int32_t>(plane.pnt, plane.pnt + 3), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(plane.material, 0);
    // The corners run anticlockwise seen from +x, so the front faces +x.
    EXPECT_NEAR(plane.normal.x, 1.0f, 1e-6f);
    EXPECT_NEAR(plane.normal.y, 0.0f, 1e-6f);
    EXPECT_NEAR(plane.normal.z, 0.0f, 1e-6f);
    ASSERT_NE(data.shadingVector, nullptr);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(data.shadingVector[i].x, 1.0f, 1e-6f) << i;
    FreeObjectData(&data);
    EXPECT_FALSE(LeftBlocksBehind());
}

TEST_F(ObjDataTest, MeshesAreFoundByNameAmongOthersInOneFile) {
    MeshText small, large;
    large.vertices = "4\n0 0 0\n0 20 0\n0 0 20\n5 5 5\n";
    WriteTextFile("weapons.m3d",
                  small.Block("Lazer_Gun1") + "; the larger one\n" + large.Block("Lazer_Gun2"));
    ObjectData first{}, second{};
    ASSERT_EQ(ReadObjectData(&second, "weapons.m3d", "Lazer_Gun2"), 1);
    ASSERT_EQ(ReadObjectData(&first, "weapons.m3d", "Lazer_Gun1"), 1);
    EXPECT_EQ(first.pntNum, 3);
    EXPECT_EQ(second.pntNum, 4);
    EXPECT_EQ(second.radius, 20.0f);
    FreeObjectData(&first);
    FreeObjectData(&second);
}

TEST_F(ObjDataTest, LimitsThemselvesAreAccepted) {
    MeshText mesh;
    mesh.materials = "500\n";
    for (int i = 0; i < 499; ++i) mesh.materials += "1 2 3 0\n";
    mesh.materials += "7 8 9 1\n";
    mesh.planes = "1\n8 0 1 2 0 1 2 0 1 499\n";
    ObjectData data{};
    ASSERT_EQ(Read(mesh, &data), 1);
    EXPECT_EQ(data.materialNum, 500);
    EXPECT_EQ(data.material[0].highlight, 0.0f);
    EXPECT_EQ(data.material[499].highlight, 1.0f);
    EXPECT_EQ(data.material[499].blue, 9);
    EXPECT_EQ(data.pln[0].pntNum, 8);
    EXPECT_EQ(data.pln[0].material, 499);
    FreeObjectData(&data);
}

TEST_F(ObjDataTest, RealCountsAndIndicesWithinRangeAreTruncated) {
    MeshText mesh;
    mesh.materials = "2.9\n1 2 3 0\n4 5 6 0\n";
    mesh.vertices = "3.99\n0 0 0\n0 10 0\n0 0 10\n";
    mesh.planes = "1.5\n3.7 0.2 1.9 2.5 1.99\n";
    ObjectData data{};
    ASSERT_EQ(Read(mesh, &data), 1);
    EXPECT_EQ(data.materialNum, 2);
    EXPECT_EQ(data.pntNum, 3);
    EXPECT_EQ(data.plnNum, 1);
    EXPECT_EQ(std::vector<int32_t>(data.pln[0].pnt, data.pln[0].pnt + 3),
              (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(data.pln[0].material, 1);
    FreeObjectData(&data);
}

TEST_F(ObjDataTest, ColourChannelsKeepTheLowEightBitsOfTheTruncatedValue) {
    MeshText mesh;
    mesh.materials = "2\n300 -1 256.9 0\n1e10 -1e10 255.9 0\n";
    ObjectData data{};
    ASSERT_EQ(Read(mesh, &data), 1);
    EXPECT_EQ(data.material[0].red, 44);
    EXPECT_EQ(data.material[0].green, 255);
    EXPECT_EQ(data.material[0].blue, 0);
    EXPECT_EQ(data.material[1].red, 255);  // saturated at 2147483647 first
    EXPECT_EQ(data.material[1].green, 0);  // and at -2147483648
    EXPECT_EQ(data.material[1].blue, 255);
    FreeObjectData(&data);
}

TEST_F(ObjDataTest, MeshWithoutPlanesPointsEveryVertexUp) {
    MeshText mesh;
    mesh.planes = "0\n";
    ObjectData data{};
    ASSERT_EQ(Read(mesh, &data), 1);
    EXPECT_EQ(data.plnNum, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(data.shadingVector[i].z, 1.0f);
    FreeObjectData(&data);
    EXPECT_FALSE(LeftBlocksBehind());
}

// ---- Refused meshes --------------------------------------------------------------------------

struct Refusal {
    const char *what;
    MeshText mesh;
    std::string message;  // after "Object data error. FILE:mesh.m3d OBJECT:Mesh"
};

MeshText WithMaterials(const std::string &text) {
    MeshText mesh;
    mesh.materials = text;
    return mesh;
}

MeshText WithVertices(const std::string &text) {
    MeshText mesh;
    mesh.vertices = text;
    return mesh;
}

MeshText WithPlanes(const std::string &text) {
    MeshText mesh;
    mesh.planes = text;
    return mesh;
}

const Refusal kRefusals[] = {
    {"MaterialCount501", WithMaterials("501\n1 2 3 0\n"),
     "\nマテリアル数501は範囲外です。\n1～500で指定して下さい。"},
    {"MaterialCount0", WithMaterials("0\n"),
     "\nマテリアル数0は範囲外です。\n1～500で指定して下さい。"},
    {"MaterialCountJustAbove500", WithMaterials("500.7\n"),
     "\nマテリアル数501は範囲外です。\n1～500で指定して下さい。"},
    {"HighlightAboveOne", WithMaterials("1\n1 2 3 1.5\n"),
     "\nマテリアル番号0のハイライト強度1.500000が範囲外です。\n0～1で指定して下さい。"},
    {"HighlightBelowZero", WithMaterials("2\n1 2 3 0\n1 2 3 -0.25\n"),
     "\nマテリアル番号1のハイライト強度-0.250000が範囲外です。\n0～1で指定して下さい。"},
    {"VertexCount5001", WithVertices("5001\n"), "\n頂点数5001は最大頂点数 5000 を越えています。"},
    {"VertexCount0", WithVertices("0\n"), "\n頂点数0は最大頂点数 5000 を越えています。"},
    {"PlaneCount5001", WithPlanes("5001\n"), "\n面数5001は最大面数 5000 を越えています。"},
    {"PlaneCountNegative", WithPlanes("-1\n"), "\n面数-1は最大面数 5000 を越えています。"},
    {"TwoCorners", WithPlanes("1\n2 0 1 0\n"), " PlaneNo.0\n角数2は角数範囲0～8を越えています。"},
    {"NineCorners", WithPlanes("2\n3 0 1 2 0\n9 0 1 2 0 1 2 0 1 2 0\n"),
     " PlaneNo.1\n角数9は角数範囲0～8を越えています。"},
    {"VertexIndexEqualToVertexCount", WithPlanes("1\n3 0 1 3 0\n"),
     " PlaneNo.0\n頂点番号3は範囲外です。"},
    {"VertexIndexJustBelowZero", WithPlanes("1\n3 0 -0.5 2 0\n"),
     " PlaneNo.0\n頂点番号-0は範囲外です。"},
    {"MaterialIndexEqualToMaterialCount", WithPlanes("1\n3 0 1 2 1\n"),
     " PlaneNo.0\nマテリアル番号1は範囲外です。"},
    {"BlockEndsInsideAPlane", WithPlanes("2\n3 0 1 2 0\n3 0 1"),
     "\nデータが足りません。(データ数 24)"},
    {"BlockEndsBeforeTheVertexCount",
     MeshText{.materials = "1\n1 2 3 0\n", .vertices = "", .planes = ""},
     "\nデータが足りません。(データ数 5)"},
};

void PrintTo(const Refusal &value, std::ostream *out) {
    *out << value.what;
}

class RefusalTest : public ObjDataTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, IsRefusedWithItsMessageAndFreedWithoutLeaks) {
    ObjectData data{};
    EXPECT_EQ(Read(GetParam().mesh, &data), 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text,
              "Object data error. FILE:mesh.m3d OBJECT:Mesh" + GetParam().message);
    EXPECT_EQ(data.shadingVector, nullptr);
    FreeObjectData(&data);
    EXPECT_TRUE(IsEmpty(data));
    EXPECT_FALSE(LeftBlocksBehind());
}

INSTANTIATE_TEST_SUITE_P(ObjectBlocks, RefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto &info) { return std::string(info.param.what); });

TEST_F(ObjDataTest, BlockShorterThanItsCountsIsNeverReadPast) {
    // The vertex count asks for 5000 vertices, far more than the block holds.
    ObjectData data{};
    EXPECT_EQ(Read(MeshText{.vertices = "5000\n1 2 3\n", .planes = ""}, &data), 0);
    EXPECT_TRUE(SawMessage("データが足りません。(データ数 9)"));
    EXPECT_EQ(data.pnt[0].z, 3.0f);
    EXPECT_EQ(data.pnt[1].z, 0.0f);  // never read, left zero
    FreeObjectData(&data);
}

TEST_F(ObjDataTest, FailedReadKeepsWhatItFilledBeforeTheFailingStep) {
    ObjectData data{};
    EXPECT_EQ(Read(WithPlanes("2\n3 0 1 2 0\n4 0 1 2 3 0\n"), &data), 0);
    EXPECT_EQ(data.materialNum, 1);
    EXPECT_NE(data.material, nullptr);
    EXPECT_EQ(data.pntNum, 3);
    EXPECT_EQ(data.radius, 10.0f);
    ASSERT_EQ(data.plnNum, 2);
    EXPECT_EQ(data.pln[0].pntNum, 3);
    EXPECT_EQ(data.pln[0].material, 0);
    EXPECT_EQ(data.pln[1].pntNum, 4);
    EXPECT_EQ(data.pln[1].pnt[0], 0);
    EXPECT_TRUE(LeftBlocksBehind());  // still attached, so reported when not freed
}

TEST_F(ObjDataTest, FailedReadLeavesNothingOfTheRecordsEarlierContents) {
    Vector3 foreign[3] = {};
    ObjectData data{};
    data.pnt = foreign;
    data.pntNum = 3;
    data.radius = 5.0f;
    EXPECT_EQ(Read(WithMaterials("0\n"), &data), 0);
    EXPECT_TRUE(IsEmpty(data));
}

TEST_F(ObjDataTest, MissingTagIsSaidOnceByTheBlockReader) {
    ObjectData data{};
    WriteTextFile("mesh.m3d", MeshText{}.Block("Other"));
    EXPECT_EQ(ReadObjectData(&data, "mesh.m3d", "Mesh"), 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "ファイル'mesh.m3d'にタグ'Mesh'が見つかりません。");
    EXPECT_TRUE(IsEmpty(data));
}

TEST_F(ObjDataTest, PlaneWithoutNormalFailsTheReadAfterFillingTheRecord) {
    MeshText mesh;
    mesh.vertices = "3\n0 0 0\n1 1 1\n2 2 2\n";
    ObjectData data{};
    EXPECT_EQ(Read(mesh, &data), 0);
    EXPECT_TRUE(SawMessage("面No.0は、法線が求められません。"));
    EXPECT_EQ(data.plnNum, 1);
    EXPECT_EQ(data.shadingVector, nullptr);
    FreeObjectData(&data);
    EXPECT_FALSE(LeftBlocksBehind());
}

TEST_F(ObjDataTest, MeshIsReadFromAnOpenStreamAsFromItsFile) {
    std::string text = MeshText{}.Block("Mesh");
    std::FILE *stream = fmemopen(text.data(), text.size(), "rb");
    ASSERT_NE(stream, nullptr);
    ObjectData data{};
    EXPECT_EQ(trazel::ReadObjectDataFromStream(stream, &data, "memory", "Mesh"), 1);
    std::fclose(stream);
    EXPECT_EQ(data.plnNum, 1);
    EXPECT_NE(data.shadingVector, nullptr);
    FreeObjectData(&data);
    EXPECT_FALSE(LeftBlocksBehind());
}

TEST_F(ObjDataTest, NullRecordIsRefused) {
    WriteTextFile("mesh.m3d", MeshText{}.Block("Mesh"));
    EXPECT_EQ(ReadObjectData(nullptr, "mesh.m3d", "Mesh"), 0);
    ObjectData data{};
    EXPECT_EQ(ReadObjectData(&data, nullptr, nullptr), 0);
    EXPECT_FALSE(LeftBlocksBehind());
}

// ---- Release ---------------------------------------------------------------------------------

TEST_F(ObjDataTest, FreeingTwiceIsHarmlessAndLeavesTheRecordEmpty) {
    ObjectData data{};
    ASSERT_EQ(Read(MeshText{}, &data), 1);
    FreeObjectData(&data);
    EXPECT_TRUE(IsEmpty(data));
    FreeObjectData(&data);
    EXPECT_TRUE(IsEmpty(data));
    FreeObjectData(nullptr);
    EXPECT_FALSE(LeftBlocksBehind());
}

TEST_F(ObjDataTest, FreeingAnEmptiedRecordAgainCannotReachAMeshReadSince) {
    ObjectData data{};
    ASSERT_EQ(Read(MeshText{}, &data), 1);
    FreeObjectData(&data);
    // The new mesh's blocks may well take the addresses the first one had.
    ObjectData other{};
    ASSERT_EQ(Read(MeshText{}, &other), 1);
    FreeObjectData(&data);
    ASSERT_TRUE(StaysLive(&other.pnt, 3));
    ASSERT_TRUE(StaysLive(&other.shadingVector, 3));
    ASSERT_TRUE(StaysLive(&other.material, 1));
    ASSERT_TRUE(StaysLive(&other.pln, 1));
    ASSERT_TRUE(StaysLive(&other.pln[0].pnt, 3));
    EXPECT_EQ(other.pnt[1].y, 10.0f);
    FreeObjectData(&other);
    EXPECT_FALSE(LeftBlocksBehind());
}

// ---- Placement -------------------------------------------------------------------------------

TEST_F(ObjDataTest, SetObjectStructStoresItsNineValuesOnly) {
    ObjectData mesh{};
    ObjectStruct object{};
    object.dirMode = 7;
    object.dir = Vector3{1, 2, 3};
    object.up = Vector3{4, 5, 6};
    object.twist = 99;
    SetObjectStruct(&object, 1, 2, 10.5f, -20.0f, 30.25f, 4096, -1024, 5000, &mesh);
    EXPECT_EQ(object.show, 1);
    EXPECT_EQ(object.shading, 2);
    EXPECT_EQ(object.x, 10.5f);
    EXPECT_EQ(object.y, -20.0f);
    EXPECT_EQ(object.z, 30.25f);
    EXPECT_EQ(object.angleZ, 4096);
    EXPECT_EQ(object.angleY, -1024);
    EXPECT_EQ(object.angleX, 5000);
    EXPECT_EQ(object.data, &mesh);
    EXPECT_EQ(object.dirMode, 7);
    EXPECT_EQ(object.dir.z, 3.0f);
    EXPECT_EQ(object.up.x, 4.0f);
    EXPECT_EQ(object.twist, 99);
}

TEST_F(ObjDataTest, SetObjectStructWithoutARecordDoesNothing) {
    SetObjectStruct(nullptr, 1, 1, 0, 0, 0, 0, 0, 0, nullptr);
    EXPECT_TRUE(RecordedMessages().empty());
}

}  // namespace
