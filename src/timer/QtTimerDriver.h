#pragma once

#include <functional>

#include <QTimer>

#include "model/PrecisionTimer.h"

namespace qv {

// The standard timer's events: a precise QTimer on the user-interface thread's event loop.
class QtTimerDriver final : public TimerDriver {
public:
    QtTimerDriver();

    void Start(Clock::Duration period, std::function<void()> fire) override;
    void Stop() override;

private:
    QTimer timer_;
    std::function<void()> fire_;
};

}  // namespace qv
