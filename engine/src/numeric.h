// Conversions of reals to integers that stay defined for any value a file or client may give.
#pragma once

#include <cstdint>

namespace trazel {

// Truncates towards zero, saturating at the int32 range; NaN gives 0.
inline int32_t TruncateToInt32(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

}  // namespace trazel
