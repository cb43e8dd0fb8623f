// Meshes on the line: a robot's mesh crosses whole, the fixed byte layout, and whatever arrives
// beyond the engine's limits or cut short is refused with the peer's mesh kept.
#include "link/wire_mesh.h"

#include <bit>
#include <cstring>
#include <limits>

#include "battle/model_library.h"
#include "link_fakes.h"
#include "link_fixture.h"
#include "same_mesh.h"

using namespace versus;

namespace {

// A triangle of three vertices under one material, every field distinct.
struct Triangle {
    Vector3 points[3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    Vector3 shading[3] = {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}};
    int32_t corners[3] = {2, 1, 0};
    PlaneData plane{0, {10, 20, 30}, 3, corners, {0.5f, 0.25f, 0.125f}};
    MaterialData material{40, 50, 60, 0.75f};
    ObjectData mesh{3, points, 1, &plane, 2.5f, 1, &material, shading};
};

std::string Joined(const MeshBlocks &blocks) {
    std::string bytes;
    for (const Bytes &block : blocks) bytes.append(block.begin(), block.end());
    return bytes;
}

int32_t IntAt(const Bytes &bytes, size_t offset) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

float FloatAt(const Bytes &bytes, size_t offset) {
    int32_t bits = IntAt(bytes, offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void PutInt(std::string &bytes, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
}

class WireMeshTest : public LinkTest {
  protected:
    // Exchanges own for what the other PC sends on a line of its own.
    Exchange Swap(const ObjectData &own, const std::string &peerSends, ObjectData &peer) {
        ScriptedPort port(now);
        port.Arrive(0, peerSends);
        FakeCommHost host(now);
        LinkLine line(port, host);
        line.OpenPort("/dev/ttyS0");
        line.SetTimeouts(0, 0);
        Exchange outcome = ExchangeMesh(line, own, peer);
        sent = port.sent;
        messages = host.messages;
        return outcome;
    }

    uint32_t now = 1000;
    std::string sent;
    std::vector<FakeCommHost::Message> messages;
};

TEST_F(WireMeshTest, ARobotMeshCrossesWholeInEveryField) {
    ObjectData body{}, own{}, received{};
    ASSERT_TRUE(battle::LoadModel(body, "My_Fream"));
    ASSERT_TRUE(battle::LoadModel(own, "Std_Miss"));
    ASSERT_EQ(Swap(own, Joined(EncodeMeshBlocks(body)), received), Exchange::Done);
    ExpectSameMesh(received, body);
    // What went the other way: 32 + 24 per vertex + 28 per plane + 8 per material + 4 per corner.
    int32_t corners = 0;
    for (int32_t i = 0; i < own.plnNum; ++i) corners += own.pln[i].pntNum;
    EXPECT_EQ(sent.size(),
              32u + 24 * own.pntNum + 28 * own.plnNum + 8 * own.materialNum + 4 * corners);
    EXPECT_EQ(sent, Joined(EncodeMeshBlocks(own)));
    for (ObjectData *mesh : {&body, &own, &received}) FreeObjectData(mesh);
}

TEST_F(WireMeshTest, BlocksKeepTheFixedLayoutWithPointerSlotsAndPadsZero) {
    Triangle triangle;
    MeshBlocks blocks = EncodeMeshBlocks(triangle.mesh);
    const Bytes &record = blocks[0], &planes = blocks[3], &materials = blocks[4];
    ASSERT_EQ(record.size(), 32u);
    EXPECT_EQ(IntAt(record, 0), 3);
    EXPECT_EQ(IntAt(record, 8), 1);
    EXPECT_EQ(FloatAt(record, 16), 2.5f);
    EXPECT_EQ(IntAt(record, 20), 1);
    for (size_t slot : {4, 12, 24, 28}) EXPECT_EQ(IntAt(record, slot), 0) << slot;
    EXPECT_EQ(blocks[1].size(), 36u);
    EXPECT_EQ(FloatAt(blocks[1], 12), 0.0f);  // the second shading vector's x
    EXPECT_EQ(FloatAt(blocks[2], 12), 4.0f);  // the second vertex's x
    ASSERT_EQ(planes.size(), 28u);
    EXPECT_EQ(IntAt(planes, 0), 0);  // material
    EXPECT_EQ(Bytes(planes.begin() + 4, planes.begin() + 8), (Bytes{10, 20, 30, 0}));
    EXPECT_EQ(IntAt(planes, 8), 3);
    EXPECT_EQ(IntAt(planes, 12), 0);  // the corners' pointer slot
    EXPECT_EQ(FloatAt(planes, 16), 0.5f);
    EXPECT_EQ(FloatAt(planes, 24), 0.125f);
    ASSERT_EQ(materials.size(), 8u);
    EXPECT_EQ(Bytes(materials.begin(), materials.begin() + 4), (Bytes{40, 50, 60, 0}));
    EXPECT_EQ(FloatAt(materials, 4), 0.75f);
    EXPECT_EQ(blocks[5], (Bytes{2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(WireMeshTest, WhatTheEngineCouldNotDrawIsRefusedAndThePeerMeshKept) {
    Triangle triangle;
    const std::string good = Joined(EncodeMeshBlocks(triangle.mesh));
    constexpr int32_t kNaN = std::bit_cast<int32_t>(std::numeric_limits<float>::quiet_NaN());
    constexpr int32_t kInfinity = std::bit_cast<int32_t>(std::numeric_limits<float>::infinity());
    // Offsets in what the other PC sends: record 0, shading vectors 32, vertices 68, plane 104,
    // material 132, corners 140.
    struct Damage {
        const char *what;
        size_t offset;
        int32_t value;
    };
    const Damage damages[] = {
        {"no vertex", 0, 0},
        {"too many vertices", 0, 5001},
        {"planes below 0", 8, -1},
        {"too many planes", 8, 5001},
        {"no material", 20, 0},
        {"too many materials", 20, 501},
        {"radius", 16, kNaN},
        {"shading vector", 40, kInfinity},
        {"vertex", 72, kNaN},
        {"plane material", 104, 1},
        {"plane material below 0", 104, -1},
        {"two corners", 112, 2},
        {"nine corners", 112, 9},
        {"normal", 128, kInfinity},
        {"highlight", 136, kNaN},
        {"corner past the vertices", 144, 3},
        {"corner below 0", 148, -1},
    };
    ObjectData kept{}, empty{};
    ASSERT_TRUE(battle::LoadModel(kept, "Std_Gun"));
    const Vector3 *keptPoints = kept.pnt;
    for (const Damage &damage : damages) {
        std::string bytes = good;
        PutInt(bytes, damage.offset, damage.value);
        EXPECT_EQ(Swap(empty, bytes, kept), Exchange::Refused) << damage.what;
        EXPECT_TRUE(messages.empty()) << damage.what;
        EXPECT_EQ(kept.pnt, keptPoints) << damage.what;
    }
    FreeObjectData(&kept);
}

TEST_F(WireMeshTest, AMeshCutShortFailsTheLineAndKeepsThePeerMesh) {
    Triangle triangle;
    const std::string good = Joined(EncodeMeshBlocks(triangle.mesh));
    ObjectData kept{};
    ASSERT_EQ(Swap(triangle.mesh, good, kept), Exchange::Done);
    for (size_t length = 0; length < good.size(); ++length) {
        ASSERT_EQ(Swap(triangle.mesh, good.substr(0, length), kept), Exchange::LineFailed)
            << length;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kLineFailedText);
    }
    ExpectSameMesh(kept, triangle.mesh);
    FreeObjectData(&kept);
}

}  // namespace
