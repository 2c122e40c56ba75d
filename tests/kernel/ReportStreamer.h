#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "VirtualController.h"

namespace qv::test {

// Sends the current state every 8 ms, as a USB controller reports, until it is destroyed.
class ReportStreamer final {
public:
    ReportStreamer(VirtualController& controller, ControllerState first);
    ~ReportStreamer();
    ReportStreamer(const ReportStreamer&) = delete;
    ReportStreamer& operator=(const ReportStreamer&) = delete;

    // Sends `state` from the next report on; answers when it first went out.
    Nanoseconds Change(ControllerState state);

private:
    void Run();

    VirtualController& controller_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable sent_;
    ControllerState next_;
    bool changed_ = false;
    Nanoseconds firstSent_ = 0;
    std::thread thread_;
};

}  // namespace qv::test
