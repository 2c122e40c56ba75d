#include "timer/TimerFdDriver.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

namespace qv {

namespace {

timespec ToTimespec(Clock::Duration duration) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((duration - seconds).count())};
}

}  // namespace

TimerFdDriver::TimerFdDriver() : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0) {
        throw std::runtime_error(std::string("timerfd_create: ") + std::strerror(errno));
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    notifier_->setEnabled(false);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { expired(); });
}

TimerFdDriver::~TimerFdDriver() {
    notifier_.reset();
    close(fd_);
}

void TimerFdDriver::start(Clock::Duration period, std::function<void()> fire) {
    fire_ = std::move(fire);
    const timespec interval = ToTimespec(period);
    const itimerspec spec{interval, interval};
    timerfd_settime(fd_, 0, &spec, nullptr);
    notifier_->setEnabled(true);
}

void TimerFdDriver::stop() {
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
    notifier_->setEnabled(false);
}

void TimerFdDriver::expired() {
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
