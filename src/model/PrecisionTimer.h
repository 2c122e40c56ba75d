#pragma once

#include <cstdint>
#include <functional>

#include "model/Clock.h"

namespace qv {

// Delivers periodic events on the user-interface thread; a platform backend.
class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    // Calls `fire` once per `period` until Stop(); a new start replaces the old period.
    virtual void Start(Clock::Duration period, std::function<void()> fire) = 0;
    virtual void Stop() = 0;
};

// The engine's timer object: a periodic timer that raises `Timer`, or a one-shot whose running
// state is derived from its deadline, so it reads disabled the moment its interval has passed.
class PrecisionTimer final {
public:
    enum FiringModes : int32_t { OneShot = 0, Periodic = 1 };

    explicit PrecisionTimer(Clock& clock, TimerDriver* driver = nullptr);
    ~PrecisionTimer();
    PrecisionTimer(const PrecisionTimer&) = delete;
    PrecisionTimer& operator=(const PrecisionTimer&) = delete;

    bool Enabled() const;
    void SetEnabled(bool enabled);

    int32_t FiringMode() const { return firingMode_; }
    void SetFiringMode(int32_t mode) { firingMode_ = mode; }

    int32_t Interval() const { return interval_; }
    void SetInterval(int32_t ms);

    int32_t TuningValue() const { return tuningValue_; }
    void SetTuningValue(int32_t value) { tuningValue_ = value; }

    // The Timer event; its argument is the interval in milliseconds.
    std::function<void(int32_t)> Timer;

private:
    void Fire();
    void StartDriver();
    Clock::Duration IntervalDuration() const;

    Clock& clock_;
    TimerDriver* driver_;
    bool enabled_ = false;
    Clock::Duration deadline_{};
    int32_t firingMode_ = Periodic;
    int32_t interval_ = 0;
    int32_t tuningValue_ = 0;
};

}  // namespace qv
