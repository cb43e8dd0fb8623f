// Waiting on a descriptor until a deadline with poll: how the link ports wait, so that no call
// blocks longer than its time-out.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

using WaitClock = std::chrono::steady_clock;
// For a wait that only the descriptor itself ends (a write without a time-out).
constexpr WaitClock::time_point kNoDeadline = WaitClock::time_point::max();

WaitClock::time_point DeadlineAfter(uint32_t milliseconds);

// What poll saw on the descriptor by the deadline; 0 when time ran out. A signal neither cuts
// the wait short nor stretches it.
short WaitUntil(int descriptor, short events, WaitClock::time_point end);

}  // namespace platform
