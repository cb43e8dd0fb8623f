// The scene recorder: ring order, the shared index, and frames never recorded.
#include "battle/record.h"

#include "battle_fixture.h"

using namespace battle;

namespace {

class RecordTest : public BattleTest {};

TEST_F(RecordTest, PlayingAfterAFullRingShowsTheLastFramesOldestFirst) {
    TRecord recorder(100);
    for (int tick = 0; tick < 130; ++tick) {
        scene[5].x = static_cast<float>(tick);
        recorder.RecordFrame(scene);
    }
    EXPECT_EQ(recorder.Index(), 30);
    for (int played = 0; played < 100; ++played) {
        recorder.PlayFrame(scene);
        ASSERT_EQ(scene[5].x, 30 + played);
    }
    EXPECT_EQ(recorder.Index(), 30);  // back where it started
    EXPECT_EQ(scene[5].x, 129);       // the last recorded frame
}

TEST_F(RecordTest, TheHundredAndFirstRecordingOverwritesTheFirst) {
    TRecord recorder(100);
    for (int tick = 0; tick < 101; ++tick) {
        scene[7].y = static_cast<float>(tick);
        EXPECT_EQ(recorder.RecordFrame(scene), (tick + 1) % 100);
    }
    scene[7].y = -1;
    EXPECT_EQ(recorder.PlayFrame(scene), 2);  // the index had come round to 1
    EXPECT_EQ(scene[7].y, 1);
    for (int i = 0; i < 99; ++i) recorder.PlayFrame(scene);
    EXPECT_EQ(scene[7].y, 100);  // slot 0 now holds the 101st recording
}

TEST_F(RecordTest, FramesNeverRecordedLeaveTheSceneAsItIs) {
    TRecord recorder(100);
    recorder.RecordFrame(scene);
    scene[9].data = reinterpret_cast<ObjectData *>(&recorder);  // stands for a live mesh
    scene[9].show = 1;
    recorder.PlayFrame(scene);  // frame 1 was never recorded
    EXPECT_EQ(scene[9].show, 1);
    EXPECT_EQ(recorder.Index(), 2);
}

TEST_F(RecordTest, CapacityIsBetweenOneAndAHundredFrames) {
    TRecord small(3), large(500);
    for (int i = 0; i < 3; ++i) small.RecordFrame(scene);
    EXPECT_EQ(small.Index(), 0);
    for (int i = 0; i < 100; ++i) large.RecordFrame(scene);
    EXPECT_EQ(large.Index(), 0);
}

}  // namespace
