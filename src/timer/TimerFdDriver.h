#pragma once

#include <functional>
#include <memory>

#include <QSocketNotifier>

#include "model/PrecisionTimer.h"

namespace qv {

// The high-resolution timer's events: a monotonic timerfd watched on the user-interface
// thread's event loop. One event per wake-up; periods missed while the thread was busy are
// not made up.
class TimerFdDriver final : public TimerDriver {
public:
    TimerFdDriver();
    ~TimerFdDriver() override;
    TimerFdDriver(const TimerFdDriver&) = delete;
    TimerFdDriver& operator=(const TimerFdDriver&) = delete;

    void start(Clock::Duration period, std::function<void()> fire) override;
    void stop() override;

private:
    void expired();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> fire_;
};

}  // namespace qv
