// Tracked memory: slot reuse, growth, foreign pointers and the leak report.
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "engine_fixture.h"
#include "test_mesh.h"

namespace {

class MemoryTest : public EngineTest {};

// The addresses listed in tzdebug.txt, checking the header and the running numbers on the way.
std::vector<intptr_t> ReportedAddresses() {
    std::istringstream report(ReadWholeFile("tzdebug.txt"));
    std::string line;
    std::vector<intptr_t> addresses;
    if (!std::getline(report, line) || line != "TzFree()していないポインタ") {
        ADD_FAILURE() << "missing header line";
        return addresses;
    }
    long expectedNumber = 1;
    while (std::getline(report, line)) {
        long number = 0;
        long long address = 0;
        EXPECT_EQ(std::sscanf(line.c_str(), "%ld:%lld", &number, &address), 2) << line;
        EXPECT_EQ(number, expectedNumber++);
        addresses.push_back(static_cast<intptr_t>(address));
    }
    return addresses;
}

intptr_t Address(void *block) {
    return reinterpret_cast<intptr_t>(block);
}

TEST_F(MemoryTest, LeakReportListsForgottenBlocksInSlotOrderWithFullAddresses) {
    void *first = TzAlloc(16), *second = TzAlloc(32), *third = TzAlloc(1);
    CloseTrazel();
    EXPECT_EQ(ReportedAddresses(),
              (std::vector<intptr_t>{Address(first), Address(second), Address(third)}));
    EXPECT_TRUE(
        SawMessage("TzFree()してないポインタがあります。\n詳細はtzdebug.txtに出力します。"));
    EXPECT_EQ(RecordedMessages().back().caption, "TRAZEL");
}

TEST_F(MemoryTest, ReleasedSlotIsReusedLowestFirst) {
    std::vector<void *> blocks;
    for (int i = 0; i < 5; ++i) blocks.push_back(TzAlloc(8));
    TzFree(blocks[3]);
    TzFree(blocks[1]);
    void *takesSlotOne = TzAlloc(8);
    void *takesSlotThree = TzAlloc(8);
    CloseTrazel();
    EXPECT_EQ(ReportedAddresses(),
              (std::vector<intptr_t>{Address(blocks[0]), Address(takesSlotOne), Address(blocks[2]),
                                     Address(takesSlotThree), Address(blocks[4])}));
}

TEST_F(MemoryTest, TableGrowsPastItsFirstThousandSlotsAndKeepsLiveBlocksInPlace) {
    std::vector<intptr_t> allocated;
    for (int i = 0; i < 2100; ++i) allocated.push_back(Address(TzAlloc(4)));
    CloseTrazel();
    EXPECT_EQ(ReportedAddresses(), allocated);
}

TEST_F(MemoryTest, ForeignAndReleasedPointersAreIgnored) {
    int onStack = 0;
    void *kept = TzAlloc(8);
    void *released = TzAlloc(8);
    TzFree(released);
    EXPECT_EQ(TzFree(nullptr), nullptr);
    EXPECT_EQ(TzFree(&onStack), &onStack);
    EXPECT_EQ(TzFree(released), released);
    EXPECT_EQ(TzReAlloc(&onStack, 64), nullptr);
    CloseTrazel();
    EXPECT_EQ(ReportedAddresses(), std::vector<intptr_t>{Address(kept)});
}

TEST_F(MemoryTest, ReallocationKeepsContentAndSlot) {
    auto *numbers = static_cast<int32_t *>(TzAlloc(4 * sizeof(int32_t)));
    for (int i = 0; i < 4; ++i) numbers[i] = i * 7;
    void *after = TzAlloc(8);
    numbers = static_cast<int32_t *>(TzReAlloc(numbers, 4000 * sizeof(int32_t)));
    ASSERT_NE(numbers, nullptr);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(numbers[i], i * 7);
    CloseTrazel();
    EXPECT_EQ(ReportedAddresses(), (std::vector<intptr_t>{Address(numbers), Address(after)}));
}

TEST_F(MemoryTest, ClientAllFreeWhileOpenReleasesOnlyTheClientsBlocks) {
    void *forgotten = TzAlloc(8);
    TzAllFree();
    EXPECT_EQ(ReportedAddresses(), std::vector<intptr_t>{Address(forgotten)});
    // The frame's work arrays survive: drawing a frame writes into them.
    ASSERT_NE(ResizeTrazel(nullptr, 32, 32), nullptr);
    TestMesh square = TestMesh::Square(10, TZ_RGB(255, 0, 0));
    ObjectStruct scene[] = {ObjectStruct{}, Placed(square.Data(), 100, 0, 0)};
    EXPECT_GT(Trazel(1, scene), 0);
    std::filesystem::remove("tzdebug.txt");
    CloseTrazel();
    EXPECT_FALSE(FileExists("tzdebug.txt"));
}

TEST_F(MemoryTest, NegativeSizeIsRefusedWithMessage) {
    EXPECT_EQ(TzAlloc(-1), nullptr);
    EXPECT_TRUE(SawMessage("メモリが足りません。"));
}

TEST_F(MemoryTest, NothingLeftMeansNoReportAndNoMessage) {
    TzFree(TzAlloc(8));
    CloseTrazel();
    EXPECT_FALSE(FileExists("tzdebug.txt"));
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(MemoryTest, MessagesOffReleasesSilentlyWithoutReport) {
    CloseTrazel();
    ASSERT_EQ(OpenTrazel(0), 1);
    TzAlloc(8);
    CloseTrazel();
    EXPECT_FALSE(FileExists("tzdebug.txt"));
    EXPECT_TRUE(RecordedMessages().empty());
    // The blocks are gone: a later close with messages on has nothing to report.
    ASSERT_EQ(OpenTrazel(1), 1);
    CloseTrazel();
    EXPECT_FALSE(FileExists("tzdebug.txt"));
}

TEST_F(MemoryTest, UnwritableReportIsSaidAndBlocksAreReleasedAnyway) {
    std::filesystem::create_directory("tzdebug.txt");  // a folder cannot be opened as a file
    TzAlloc(8);
    CloseTrazel();
    EXPECT_TRUE(SawMessage("tzdebug.txtが書き込めません。"));
    ClearRecordedMessages();
    ASSERT_EQ(OpenTrazel(1), 1);
    CloseTrazel();
    EXPECT_TRUE(RecordedMessages().empty());
}

}  // namespace
