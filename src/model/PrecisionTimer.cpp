#include "model/PrecisionTimer.h"

#include <chrono>

namespace qv {

PrecisionTimer::PrecisionTimer(Clock& clock, TimerDriver* driver)
    : clock_(clock), driver_(driver) {}

PrecisionTimer::~PrecisionTimer() {
    if (driver_ != nullptr) {
        driver_->Stop();
    }
}

bool PrecisionTimer::Enabled() const {
    if (firingMode_ == OneShot) {
        return enabled_ && clock_.Now() < deadline_;
    }
    return enabled_;
}

void PrecisionTimer::SetEnabled(bool enabled) {
    if (!enabled) {
        enabled_ = false;
        if (driver_ != nullptr) {
            driver_->Stop();
        }
        return;
    }
    // Arming a running timer again must not move its expiry: the sequence ring re-arms a delay
    // on every tick while it waits, and the delay would otherwise never end.
    if (Enabled()) {
        return;
    }
    enabled_ = true;
    deadline_ = clock_.Now() + IntervalDuration();
    StartDriver();
}

void PrecisionTimer::SetInterval(int32_t ms) {
    if (ms == interval_) {
        return;
    }
    interval_ = ms;
    // A running one-shot keeps the deadline it was armed with: a sequence whose group joins two
    // delays of different lengths arms it with each in turn on every tick, and re-arming from
    // now would never let it end.
    if (Enabled() && firingMode_ == Periodic) {
        StartDriver();
    }
}

void PrecisionTimer::Fire() {
    if (firingMode_ == OneShot) {
        enabled_ = false;
        driver_->Stop();
    }
    if (Timer) {
        Timer(interval_);
    }
}

void PrecisionTimer::StartDriver() {
    if (driver_ != nullptr) {
        driver_->Start(IntervalDuration(), [this] { Fire(); });
    }
}

Clock::Duration PrecisionTimer::IntervalDuration() const {
    return std::chrono::milliseconds(interval_);
}

}  // namespace qv
