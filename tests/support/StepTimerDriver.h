#pragma once

#include <functional>

#include "model/PrecisionTimer.h"

namespace qv::test {

// A timer driver that fires only when a test says so.
class StepTimerDriver final : public TimerDriver {
public:
    void Start(Clock::Duration p, std::function<void()> f) override {
        period = p;
        fire_ = std::move(f);
        running = true;
    }
    void Stop() override { running = false; }

    // One event, as the platform would deliver it while the driver runs.
    void Fire() {
        if (running && fire_) {
            fire_();
        }
    }

    Clock::Duration period{};
    bool running = false;

private:
    std::function<void()> fire_;
};

}  // namespace qv::test
