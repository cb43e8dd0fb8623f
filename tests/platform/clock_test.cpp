// The millisecond clock: wrapping arithmetic and that it moves forward.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using platform::WrappedMilliseconds;

namespace {

TEST(Clock, ReadingsAreWholeMillisecondsThatWrapAtTwoToTheThirtyTwo) {
    EXPECT_EQ(WrappedMilliseconds({12, 345999999}), 12345u);
    EXPECT_EQ(WrappedMilliseconds({0, 999999}), 0u);
    // 4294968 s is 4294968000 ms, 704 ms past the wrap.
    EXPECT_EQ(WrappedMilliseconds({4294968, 0}), 704u);
    EXPECT_EQ(WrappedMilliseconds({4294967, 295000000}), 4294967295u);
    EXPECT_EQ(WrappedMilliseconds({4294967, 296000000}), 0u);
}

TEST(Clock, ElapsedTimeIsTheUnsignedDifferenceAcrossTheWrap) {
    uint32_t before = WrappedMilliseconds({4294967, 290000000});
    uint32_t after = WrappedMilliseconds({4294967, 310000000});
    EXPECT_EQ(static_cast<uint32_t>(after - before), 20u);
}

TEST(Clock, NowMovesForwardAtLeastAsFarAsTheTimeSlept) {
    uint32_t before = platform::NowMilliseconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    uint32_t elapsed = platform::NowMilliseconds() - before;
    EXPECT_GE(elapsed, 29u);  // a reading may fall just short of the next whole millisecond
}

}  // namespace
