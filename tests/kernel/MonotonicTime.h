#pragma once

#include <time.h>

#include <cstdint>

namespace qv::test {

// CLOCK_MONOTONIC in nanoseconds: the clock that the controller's log and the input events
// share, so that the two can be compared.
using Nanoseconds = int64_t;

inline Nanoseconds MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return Nanoseconds{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

inline double Milliseconds(Nanoseconds span) {
    return static_cast<double>(span) / 1e6;
}

}  // namespace qv::test
