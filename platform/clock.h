// The millisecond clock of the game step: monotonic, as an unsigned 32-bit count that wraps.
#pragma once

#include <cstdint>
#include <ctime>

namespace platform {

// Milliseconds of the monotonic clock; wraps around at 2^32 (about every 49.7 days), so callers
// compare times by unsigned difference.
uint32_t NowMilliseconds();

// A clock reading in wrapping milliseconds; sub-millisecond parts are dropped.
uint32_t WrappedMilliseconds(const timespec &time);

}  // namespace platform
