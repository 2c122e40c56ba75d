#pragma once

#include <functional>
#include <memory>
#include <string>

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

    // Why the timer could not be made, or empty when it was; such a driver never fires.
    const std::string& Failure() const { return failure_; }
    // Called with the reason when a start fails: an engine whose timer never fires would look
    // alive and send nothing.
    void OnFailure(std::function<void(const std::string&)> handler) {
        onFailure_ = std::move(handler);
    }

    void Start(Clock::Duration period, std::function<void()> fire) override;
    void Stop() override;

private:
    void Expired();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> fire_;
    std::function<void(const std::string&)> onFailure_;
    std::string failure_;
};

}  // namespace qv
