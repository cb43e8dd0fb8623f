// The recording file TRAZEL.3DA: its bytes, appending, and what happens when it cannot be written.
#include <unistd.h>

#include <filesystem>

#include "engine_fixture.h"
#include "test_mesh.h"

namespace {

class RecordingTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_NE(ResizeTrazel(nullptr, 640, 480), nullptr);
        SetModelMode(TZ_MODEL_RECORD);
    }
    int32_t DrawSquare() {
        scene_[0] = ObjectStruct{};
        scene_[1] = Placed(square_.Data(), 100, 0, 0);
        return Trazel(1, scene_);
    }
    TestMesh square_ = TestMesh::Square(10, TZ_RGB(12, 34, 56));
    ObjectStruct scene_[2];
};

void AppendInt32(std::string &bytes, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF));
}

// The square's frame as recorded: four points, its colour, its corners on screen.
std::string SquareFrame() {
    std::string bytes{4, 12, 34, 56};
    const int32_t corners[4][2] = {{350, 270}, {350, 210}, {290, 210}, {290, 270}};
    for (const auto &corner : corners) {
        AppendInt32(bytes, corner[0]);
        AppendInt32(bytes, corner[1]);
    }
    bytes += "\xFF\xFF";
    return bytes;
}

const std::string kSignature("Glorieusant3D Anime\0", 20);

TEST_F(RecordingTest, FramesAreWrittenAfterTheSignatureAndAppended) {
    EXPECT_EQ(DrawSquare(), 1);
    EXPECT_EQ(ReadWholeFile("TRAZEL.3DA"), kSignature + SquareFrame());
    scene_[1].show = 0;
    EXPECT_EQ(Trazel(1, scene_), 0);
    EXPECT_EQ(DrawSquare(), 1);
    EXPECT_EQ(ReadWholeFile("TRAZEL.3DA"), kSignature + SquareFrame() + "\xFF\xFF" + SquareFrame());
}

TEST_F(RecordingTest, LeavingTheModeAndComingBackAppendsToTheSameFile) {
    DrawSquare();
    SetModelMode(TZ_MODEL_SOLID);
    DrawSquare();
    SetModelMode(TZ_MODEL_RECORD);
    DrawSquare();
    EXPECT_EQ(ReadWholeFile("TRAZEL.3DA"), kSignature + SquareFrame() + SquareFrame());
}

TEST_F(RecordingTest, AnOldFileIsReplacedWhenRecordingStarts) {
    WriteTextFile("TRAZEL.3DA", "an older recording");
    DrawSquare();
    EXPECT_EQ(ReadWholeFile("TRAZEL.3DA"), kSignature + SquareFrame());
}

TEST_F(RecordingTest, FileThatCannotBeCreatedFallsBackToHalftone) {
    std::filesystem::create_directory("TRAZEL.3DA");
    EXPECT_EQ(DrawSquare(), 1);
    EXPECT_TRUE(SawMessage("'TRAZEL.3DA'がオープンできません。"));
    EXPECT_EQ(GetModelMode(), TZ_MODEL_HALFTONE);
}

TEST_F(RecordingTest, FullDiskIsReportedAndRecordingStops) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", "TRAZEL.3DA");
    DrawSquare();
    EXPECT_TRUE(SawMessage("'TRAZEL.3DA'に書き込めません。"));
    EXPECT_EQ(GetModelMode(), TZ_MODEL_HALFTONE);
}

}  // namespace
