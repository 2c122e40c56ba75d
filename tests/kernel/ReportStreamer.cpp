#include "ReportStreamer.h"

#include <time.h>

namespace qv::test {

namespace {

constexpr long kPeriodNs = 8'000'000;

}  // namespace

ReportStreamer::ReportStreamer(VirtualController& controller, ControllerState first)
    : controller_(controller), next_(first), thread_([this] { Run(); }) {}

ReportStreamer::~ReportStreamer() {
    stop_ = true;
    thread_.join();
}

Nanoseconds ReportStreamer::Change(ControllerState state) {
    std::unique_lock lock(mutex_);
    next_ = state;
    changed_ = true;
    firstSent_ = 0;
    sent_.wait(lock, [&] { return firstSent_ != 0; });
    return firstSent_;
}

void ReportStreamer::Run() {
    timespec at{};
    clock_gettime(CLOCK_MONOTONIC, &at);
    while (!stop_) {
        {
            std::lock_guard lock(mutex_);
            const Nanoseconds when = controller_.Send(next_);
            if (changed_) {
                changed_ = false;
                firstSent_ = when;
                sent_.notify_all();
            }
        }
        // The device's own cadence, kept on absolute times so that it does not drift.
        at.tv_nsec += kPeriodNs;
        if (at.tv_nsec >= 1'000'000'000) {
            at.tv_nsec -= 1'000'000'000;
            ++at.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
    }
}

}  // namespace qv::test
