#include "timer/QtTimerDriver.h"

#include <chrono>

namespace qv {

QtTimerDriver::QtTimerDriver() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The handler may restart or stop this driver; it runs from a copy that stays alive.
        const std::function<void()> fire = fire_;
        if (fire) {
            fire();
        }
    });
}

void QtTimerDriver::Start(Clock::Duration period, std::function<void()> fire) {
    fire_ = std::move(fire);
    timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(period));
}

void QtTimerDriver::Stop() {
    timer_.stop();
}

}  // namespace qv
