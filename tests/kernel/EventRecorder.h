#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "MonotonicTime.h"

namespace qv::test {

enum class Source { Keyboard, Mouse };

// One event of the program's virtual devices, stamped by the kernel on CLOCK_MONOTONIC.
struct RecordedEvent {
    Source source = Source::Keyboard;
    Nanoseconds at = 0;
    uint16_t type = 0;
    uint16_t code = 0;
    int32_t value = 0;
};

// Records what the program's virtual keyboard and mouse send, from their event nodes.
class EventRecorder final {
public:
    EventRecorder() = default;
    ~EventRecorder();
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    // Waits for both devices named `keyboard` and `mouse` to appear and starts recording them.
    bool Attach(const std::string& keyboard, const std::string& mouse,
                std::chrono::milliseconds limit);

    std::vector<RecordedEvent> Events() const;
    // Key and button events only (no synchronisation, no motion).
    std::vector<RecordedEvent> Keys() const;
    // Keys whose last event left them down.
    std::vector<uint16_t> Down() const;
    bool WaitFor(const std::function<bool(const std::vector<RecordedEvent>&)>& done,
                 std::chrono::milliseconds limit) const;
    // Whether every key and button is up, or comes up within `limit`.
    bool WaitAllUp(std::chrono::milliseconds limit) const;

private:
    void Record();
    std::vector<uint16_t> DownLocked() const;

    int keyboard_ = -1;
    int mouse_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::thread reader_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<RecordedEvent> events_;
    std::map<uint16_t, int32_t> keyState_;
};

}  // namespace qv::test
