// The millisecond clock from CLOCK_MONOTONIC.
#include "clock.h"

namespace platform {

uint32_t WrappedMilliseconds(const timespec &time) {
    // Unsigned arithmetic wraps by definition, which is the behaviour the game step relies on.
    uint64_t milliseconds =
        static_cast<uint64_t>(time.tv_sec) * 1000u + static_cast<uint64_t>(time.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(milliseconds);
}

uint32_t NowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return WrappedMilliseconds(now);
}

}  // namespace platform
