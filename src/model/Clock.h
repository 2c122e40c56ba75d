#pragma once

#include <chrono>

namespace qv {

// Every reading of time and every pause goes through one clock, never the system's own calls:
// the lamp shows, the delays and the timers all keep the time of the clock they are given.
class Clock {
public:
    using Duration = std::chrono::nanoseconds;

    virtual ~Clock() = default;
    virtual Duration Now() const = 0;
    virtual void Sleep(std::chrono::milliseconds ms) = 0;
};

class SystemClock final : public Clock {
public:
    Duration Now() const override;
    void Sleep(std::chrono::milliseconds ms) override;
};

}  // namespace qv
