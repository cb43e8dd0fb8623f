// Frame files: a robot saved and loaded back unchanged, the sample file read as the layout
// describes it, and damaged files refused with the robot untouched and nothing leaked.
#include "battle/frame_file.h"

#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "battle/fream.h"
#include "battle_fixture.h"
#include "same_mesh.h"

using namespace battle;

namespace {

using Bytes = std::vector<uint8_t>;

// The frame file's layout spelled out byte by byte, apart from the game's own writer.
class LayoutWriter {
  public:
    void Byte(uint8_t value) { bytes.push_back(value); }
    void Int(int32_t value) {
        for (int i = 0; i < 4; ++i)
            Byte(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
    }
    void Float(float value) {
        int32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Int(bits);
    }
    void Vector(float x, float y, float z) {
        Float(x);
        Float(y);
        Float(z);
    }
    // text, zero-filled to size bytes.
    void Text(const char *text, size_t size) {
        for (size_t i = 0; i < size; ++i) Byte(i < std::strlen(text) ? text[i] : 0);
    }
    // A pad byte, then the colour.
    void Colour(uint8_t red, uint8_t green, uint8_t blue) {
        for (uint8_t value : {uint8_t{0}, red, green, blue}) Byte(value);
    }
    // One vertex, no planes, one material: 48 bytes.
    void LoneVertexBlock(Vector3 vertex, float radius, Vector3 colour, float highlight) {
        Int(1);
        Vector(0, 0, 1);  // its shading vector
        Vector(vertex.x, vertex.y, vertex.z);
        Int(0);
        Float(radius);
        Int(1);
        Colour(static_cast<uint8_t>(colour.x), static_cast<uint8_t>(colour.y),
               static_cast<uint8_t>(colour.z));
        Float(highlight);
    }

    Bytes bytes;
};

// "Tiny": ROBO_S, gun 1003, missile 1005, a one-triangle body and one-vertex projectiles, 316
// bytes. tests/inputs/tiny_robot.frm holds exactly these.
Bytes TinyRobot() {
    LayoutWriter out;
    out.Text("2.00", 4);
    out.Text("Tiny", 20);
    // reserved, pitch, gun, missile, reserved, versus played, versus won; scores of levels 1..8
    for (int32_t field : {3, 300, 1003, 1005, 1001, 2, 1}) out.Int(field);
    for (int32_t score = 10; score <= 80; score += 10) out.Int(score);
    // The body.
    out.Int(3);
    for (int i = 0; i < 3; ++i) out.Vector(0, 0, 1);
    out.Vector(0, 0, 0);
    out.Vector(10, 0, 0);
    out.Vector(0, 10, 0);
    out.Int(1);
    out.Int(0);  // material
    out.Colour(200, 100, 50);
    out.Int(3);  // corners
    out.Int(0);  // where the corners were in memory
    out.Vector(0, 0, 1);
    for (int32_t corner : {0, 1, 2}) out.Int(corner);
    out.Float(10);  // radius
    out.Int(1);
    out.Colour(200, 100, 50);
    out.Float(0.5f);
    out.LoneVertexBlock({1, 2, 3}, 3.5f, {255, 0, 0}, 0.25f);     // the gun projectile
    out.LoneVertexBlock({-1, -2, -3}, 2.0f, {0, 0, 255}, 0.75f);  // the missile
    return out.bytes;
}

// Where the tiny robot's fields lie: the record after the mark, then blocks of 136, 48, 48 bytes.
constexpr size_t kPitchAt = 28, kGunKindAt = 32, kMissileKindAt = 36;
constexpr size_t kBodyAt = 84, kGunBlockAt = kBodyAt + 136, kMissileBlockAt = kGunBlockAt + 48;
constexpr size_t kBodyPlanesAt = kBodyAt + 4 + 24 * 3, kBodyCornerCountAt = kBodyPlanesAt + 12;
constexpr size_t kBodyCornersAt = kBodyPlanesAt + 4 + 28;
constexpr size_t kLonePlanesAt = 4 + 24, kLoneMaterialsAt = kLonePlanesAt + 8;

int32_t IntAt(const Bytes &bytes, size_t at) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

void PutIntAt(Bytes &bytes, size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

bool SameArrays(const ObjectData &a, const ObjectData &b) {
    return a.pnt == b.pnt && a.pln == b.pln && a.material == b.material &&
           a.shadingVector == b.shadingVector;
}

std::vector<std::string> engineMessages;

void RecordEngineMessage(void *, const char *, const char *text, int32_t) {
    engineMessages.push_back(text);
}

class FrameFileTest : public BattleTest {
  protected:
    void SetUp() override {
        BattleTest::SetUp();
        // Reopened with messages on, so that closing the engine reports a tracked block left live.
        CloseTrazel();
        engineMessages.clear();
        TzSetMessageProc(RecordEngineMessage);
        ASSERT_EQ(OpenTrazel(1), 1);
        robot = std::make_unique<TFream>(scene, sounds);
    }
    void TearDown() override {
        robot.reset();
        BattleTest::TearDown();
        TzSetMessageProc(nullptr);
    }
    // Closes the engine, the robot gone first: true when the leak report was announced.
    bool LeftTrackedBlocks() {
        robot.reset();
        CloseTrazel();
        return !engineMessages.empty();
    }

    static bool Load(const Bytes &bytes, TFream &into) {
        std::FILE *file = fmemopen(const_cast<uint8_t *>(bytes.data()), bytes.size(), "rb");
        bool loaded = LoadFrame(file, into);
        std::fclose(file);
        return loaded;
    }
    static Bytes Saved(TFream &from) {
        char *buffer = nullptr;
        size_t size = 0;
        std::FILE *file = open_memstream(&buffer, &size);
        EXPECT_TRUE(SaveFrame(file, from));
        std::fclose(file);
        Bytes saved(buffer, buffer + size);
        std::free(buffer);
        return saved;
    }

    std::unique_ptr<TFream> robot;
};

TEST_F(FrameFileTest, ARobotSavedAndLoadedComesBackTheSame) {
    DefinitionRecord record = robot->record;
    SetName(record, "HotDog");
    record.pitch = kRoboLarge;
    record.gunKind = 1002;
    record.missileKind = 1003;
    record.versusPlayed = 7;
    record.versusWon = 4;
    record.score[2] = 1500;
    ASSERT_EQ(robot->Reset(&record, true), 1);
    Bytes saved = Saved(*robot);

    TFream other(scene, sounds);
    other.pos = GroundPoint{50, 60};
    other.shield = 20;
    ASSERT_TRUE(Load(saved, other));
    EXPECT_EQ(EncodeDefinitionRecord(other.record), EncodeDefinitionRecord(robot->record));
    ExpectSameMesh(other.bodyMesh, robot->bodyMesh);
    ExpectSameMesh(other.gun->ProjectileMesh(), robot->gun->ProjectileMesh());
    ExpectSameMesh(other.missile->ProjectileMesh(), robot->missile->ProjectileMesh());
    EXPECT_EQ(other.gun->Kind(), 1002);
    EXPECT_EQ(other.missile->Kind(), 1003);
    EXPECT_EQ(other.shield, 100);
    EXPECT_EQ(other.pos, (GroundPoint{50, 60}));
    EXPECT_EQ(Saved(other), saved);
}

TEST_F(FrameFileTest, TheSampleFileHoldsTheTinyRobotByteForByte) {
    std::ifstream file(MORVEX_TEST_INPUTS "/tiny_robot.frm", std::ios::binary);
    const Bytes sample{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_EQ(sample, TinyRobot());
    ASSERT_TRUE(Load(sample, *robot));

    const DefinitionRecord &record = robot->record;
    EXPECT_EQ(NameOf(record), "Tiny");
    EXPECT_EQ(record.pitch, kRoboSmall);
    EXPECT_EQ(robot->gun->Kind(), 1003);
    EXPECT_EQ(robot->missile->Kind(), 1005);
    EXPECT_EQ(record.versusWon, 1);
    EXPECT_EQ(record.score[7], 80);

    const ObjectData &body = robot->bodyMesh;
    ASSERT_EQ(body.pntNum, 3);
    ASSERT_EQ(body.plnNum, 1);
    ASSERT_EQ(body.materialNum, 1);
    EXPECT_EQ(body.pnt[1].x, 10.0f);
    EXPECT_EQ(body.shadingVector[2].z, 1.0f);
    const PlaneData &plane = body.pln[0];
    EXPECT_EQ(plane.color[0], 200);
    ASSERT_EQ(plane.pntNum, 3);
    EXPECT_EQ(plane.pnt[2], 2);
    EXPECT_EQ(plane.normal.z, 1.0f);
    EXPECT_EQ(body.radius, 10.0f);
    EXPECT_EQ(body.material[0].green, 100);
    EXPECT_EQ(body.material[0].highlight, 0.5f);

    const ObjectData &gun = robot->gun->ProjectileMesh(),
                     &missile = robot->missile->ProjectileMesh();
    ASSERT_EQ(gun.pntNum, 1);
    EXPECT_EQ(gun.pnt[0].y, 2.0f);
    EXPECT_EQ(gun.radius, 3.5f);
    EXPECT_EQ(gun.material[0].red, 255);
    ASSERT_EQ(missile.pntNum, 1);
    EXPECT_EQ(missile.pnt[0].z, -3.0f);
    EXPECT_EQ(missile.material[0].blue, 255);
    EXPECT_EQ(missile.material[0].highlight, 0.75f);

    EXPECT_EQ(Saved(*robot), sample);  // and the game's writer agrees
}

TEST_F(FrameFileTest, DamagedFilesAreRefusedAndChangeNothing) {
    const Bytes good = TinyRobot();
    std::vector<std::pair<std::string, Bytes>> damaged;
    for (int mark = 0; mark < 256; ++mark) {
        Bytes bytes = good;
        bytes[3] = static_cast<uint8_t>(mark);
        if (mark != '0') damaged.emplace_back("version mark 2.0 + " + std::to_string(mark), bytes);
    }
    for (size_t length = 0; length < good.size(); ++length)
        damaged.emplace_back("cut at " + std::to_string(length),
                             Bytes(good.begin(), good.begin() + length));
    Bytes longer = good;
    longer.push_back(0);
    damaged.emplace_back("a byte after the missile", longer);
    Bytes unended = good;
    std::fill(unended.begin() + 4, unended.begin() + 24, 'A');
    damaged.emplace_back("a name without its end", unended);
    const struct {
        const char *what;
        size_t at;
        int32_t stored, wrong;
    } fields[] = {
        {"body style", kPitchAt, 300, 101},
        {"gun kind", kGunKindAt, 1003, 1009},
        {"missile kind", kMissileKindAt, 1005, 1000},
        {"body vertices", kBodyAt, 3, 5001},
        {"body vertices", kBodyAt, 3, -1},
        {"body vertices", kBodyAt, 3, INT_MAX},
        {"body planes", kBodyPlanesAt, 1, 5001},
        {"corners of a plane", kBodyCornerCountAt, 3, 9},
        {"a corner", kBodyCornersAt + 8, 2, 3},
        {"gun materials", kGunBlockAt + kLoneMaterialsAt, 1, 501},
        {"missile planes", kMissileBlockAt + kLonePlanesAt, 0, -1},
        {"missile vertices", kMissileBlockAt, 1, INT_MAX},
    };
    for (const auto &field : fields) {
        ASSERT_EQ(IntAt(good, field.at), field.stored) << field.what;
        Bytes bytes = good;
        PutIntAt(bytes, field.at, field.wrong);
        damaged.emplace_back(std::string(field.what) + " " + std::to_string(field.wrong), bytes);
    }

    robot->pos = GroundPoint{30, 40};
    robot->shield = 40;
    const DefinitionBytes record = EncodeDefinitionRecord(robot->record);
    const ObjectData body = robot->bodyMesh, gun = robot->gun->ProjectileMesh(),
                     missile = robot->missile->ProjectileMesh();
    for (const auto &[what, bytes] : damaged) EXPECT_FALSE(Load(bytes, *robot)) << what;
    EXPECT_EQ(EncodeDefinitionRecord(robot->record), record);
    EXPECT_TRUE(SameArrays(robot->bodyMesh, body));
    EXPECT_TRUE(SameArrays(robot->gun->ProjectileMesh(), gun));
    EXPECT_TRUE(SameArrays(robot->missile->ProjectileMesh(), missile));
    EXPECT_EQ(robot->shield, 40);
    EXPECT_EQ(robot->pos, (GroundPoint{30, 40}));
    EXPECT_FALSE(LeftTrackedBlocks());
}

}  // namespace
