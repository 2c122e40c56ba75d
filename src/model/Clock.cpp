#include "model/Clock.h"

#include <thread>

namespace qv {

Clock::Duration SystemClock::Now() const {
    return std::chrono::steady_clock::now().time_since_epoch();
}

void SystemClock::Sleep(std::chrono::milliseconds ms) {
    std::this_thread::sleep_for(ms);
}

}  // namespace qv
