// poll with a time-out recomputed from the deadline after every interruption.
#include "deadline_wait.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace platform {
namespace {

int MillisecondsUntil(WaitClock::time_point end) {
    if (end == kNoDeadline) return -1;
    auto left = std::chrono::ceil<std::chrono::milliseconds>(end - WaitClock::now()).count();
    return static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
}

}  // namespace

WaitClock::time_point DeadlineAfter(uint32_t milliseconds) {
    return WaitClock::now() + std::chrono::milliseconds(milliseconds);
}

short WaitUntil(int descriptor, short events, WaitClock::time_point end) {
    pollfd entry{descriptor, events, 0};
    for (;;) {
        int ready = poll(&entry, 1, MillisecondsUntil(end));
        if (ready > 0) return entry.revents;
        if (ready == 0) return 0;
        if (errno != EINTR) return POLLERR;
    }
}

}  // namespace platform
