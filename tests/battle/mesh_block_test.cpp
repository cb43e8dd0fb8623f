// Mesh blocks: written and read back equal, their exact size, and damaged blocks refused.
#include "battle/mesh_block.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "battle_fixture.h"
#include "same_mesh.h"

using namespace battle;

namespace {

// A pyramid on a square base: five vertices, two materials, triangles and a quadrilateral.
constexpr const char *kPyramid =
    "*Pyramid\n2\n200 40 40 0.5\n40 200 40 0\n5\n"
    "-10 -10 0\n10 -10 0\n10 10 0\n-10 10 0\n0 0 15\n"
    "5\n4 0 3 2 1 1\n3 0 1 4 0\n3 1 2 4 0\n3 2 3 4 0\n3 3 0 4 0\n";

class MeshBlockTest : public BattleTest {
  protected:
    void SetUp() override {
        BattleTest::SetUp();
        folder =
            std::filesystem::temp_directory_path() / ("mesh-block-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "pyramid.m3d") << kPyramid;
        ASSERT_EQ(ReadObjectData(&pyramid, (folder / "pyramid.m3d").c_str(), "Pyramid"), 1);
    }
    void TearDown() override {
        FreeObjectData(&pyramid);
        std::filesystem::remove_all(folder);
        BattleTest::TearDown();
    }
    std::vector<uint8_t> Written(const ObjectData &mesh) {
        std::FILE *file = std::tmpfile();
        EXPECT_TRUE(WriteMesh(file, mesh));
        std::vector<uint8_t> bytes(static_cast<size_t>(std::ftell(file)));
        std::rewind(file);
        EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
        return bytes;
    }
    bool Read(const std::vector<uint8_t> &bytes, ObjectData &mesh) {
        std::FILE *file = std::tmpfile();
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::rewind(file);
        bool read = ReadMesh(file, mesh);
        std::fclose(file);
        return read;
    }
    std::filesystem::path folder;
    ObjectData pyramid{};
};

TEST_F(MeshBlockTest, WrittenAndReadBackEqual) {
    std::vector<uint8_t> bytes = Written(pyramid);
    // 16 + 24N + 28P + 4 x corners + 8M
    EXPECT_EQ(bytes.size(), 16u + 24 * 5 + 28 * 5 + 4 * (4 + 3 * 4) + 8 * 2);
    ObjectData read{};
    ASSERT_TRUE(Read(bytes, read));
    ExpectSameMesh(pyramid, read);
    EXPECT_EQ(Written(read), bytes);
    FreeObjectData(&read);
}

TEST_F(MeshBlockTest, SmallestMeshTakesFortyEightBytes) {
    Vector3 point{1, 2, 3}, normal{0, 0, 1};
    MaterialData material{10, 20, 30, 0.25f};
    ObjectData lone{1, &point, 0, nullptr, 3.7f, 1, &material, &normal};
    std::vector<uint8_t> bytes = Written(lone);
    EXPECT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes[0], 1);   // little-endian counts
    EXPECT_EQ(bytes[40], 0);  // the material's pad byte, then red
    EXPECT_EQ(bytes[41], 10);
}

TEST_F(MeshBlockTest, ShortBlocksAreRefusedAndTheMeshKept) {
    std::vector<uint8_t> bytes = Written(pyramid);
    ObjectData kept{};
    ASSERT_TRUE(Read(bytes, kept));
    for (size_t length = 0; length < bytes.size(); ++length) {
        ASSERT_FALSE(Read(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length), kept))
            << length;
    }
    ExpectSameMesh(pyramid, kept);
    FreeObjectData(&kept);
}

// Overwrites the little-endian int32 at offset.
void Patch(std::vector<uint8_t> &bytes, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

TEST_F(MeshBlockTest, AbsurdCountsAndIndicesAreRefused) {
    const std::vector<uint8_t> good = Written(pyramid);
    const size_t planes = 4 + 24 * 5, firstPlane = planes + 4, corners = firstPlane + 28 * 5;
    const size_t materials = corners + 4 * 16 + 4;
    const std::pair<size_t, int32_t> damage[] = {
        {0, 0},
        {0, -1},
        {0, 5001},
        {planes, -1},
        {planes, 5001},
        {firstPlane + 8, 9},
        {firstPlane + 8, 2},
        {corners, 5},
        {corners, -1},
        {materials, 0},
        {materials, 501},
        {firstPlane, 2},
        {firstPlane, -1},
    };
    for (const auto &[offset, value] : damage) {
        std::vector<uint8_t> bytes = good;
        Patch(bytes, offset, value);
        ObjectData mesh{};
        EXPECT_FALSE(Read(bytes, mesh)) << offset << " = " << value;
        EXPECT_EQ(mesh.pnt, nullptr);
    }
}

}  // namespace
