#include "timer/TimerFdDriver.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>

namespace qv {

namespace {

timespec ToTimespec(Clock::Duration duration) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((duration - seconds).count())};
}

std::string Reason(const char* call) {
    return std::string(call) + ": " + std::strerror(errno);
}

}  // namespace

TimerFdDriver::TimerFdDriver() : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0) {
        failure_ = Reason("timerfd_create");
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    notifier_->setEnabled(false);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Expired(); });
}

TimerFdDriver::~TimerFdDriver() {
    notifier_.reset();
    if (fd_ >= 0) {
        close(fd_);
    }
}

void TimerFdDriver::Start(Clock::Duration period, std::function<void()> fire) {
    fire_ = std::move(fire);
    const timespec interval = ToTimespec(period);
    const itimerspec spec{interval, interval};
    if (fd_ < 0 || timerfd_settime(fd_, 0, &spec, nullptr) != 0) {
        const std::string reason = fd_ < 0 ? failure_ : Reason("timerfd_settime");
        Stop();
        if (onFailure_) {
            onFailure_(reason);
        }
        return;
    }
    notifier_->setEnabled(true);
}

// Without its notifier the timer sends nothing, whatever the disarm answers.
void TimerFdDriver::Stop() {
    if (fd_ < 0) {
        return;
    }
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
    notifier_->setEnabled(false);
}

void TimerFdDriver::Expired() {
    uint64_t expirations = 0;
    if (read(fd_, &expirations, sizeof expirations) != sizeof expirations || expirations == 0) {
        return;
    }
    // The handler may restart or stop this driver; it runs from a copy that stays alive.
    const std::function<void()> fire = fire_;
    if (fire) {
        fire();
    }
}

}  // namespace qv
