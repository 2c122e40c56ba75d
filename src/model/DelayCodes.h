#pragma once

#include <cstdint>

namespace qv {

// The output codes that press no key but hold the sequence for a time of their own, from 1 second
// for the first down to 10 ms for the last. Only a sequence outside a combination may use them.
inline constexpr int kDelayCount = 8;
inline constexpr int32_t kFirstDelayCode = 136;
inline constexpr int32_t kLastDelayCode = kFirstDelayCode + kDelayCount - 1;

constexpr bool IsDelayCode(int32_t code) {
    return code >= kFirstDelayCode && code <= kLastDelayCode;
}

}  // namespace qv
