#include "EventRecorder.h"

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qv::test {

namespace {

// The event node of the device called `name`, opened and switched to CLOCK_MONOTONIC; -1 when
// there is none yet. Names come from sysfs: opening another device's node would open that
// device, which a test may be watching for.
int OpenNamed(const std::string& name) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/input", error)) {
        const std::string node = entry.path().filename().string();
        std::string found;
        std::getline(std::ifstream(entry.path() / "device/name"), found);
        if (node.rfind("event", 0) != 0 || found != name) {
            continue;
        }
        const int fd = open(("/dev/input/" + node).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        int clock = CLOCK_MONOTONIC;
        if (fd >= 0 && ioctl(fd, EVIOCSCLOCKID, &clock) == 0) {
            return fd;
        }
        if (fd >= 0) {
            close(fd);
        }
    }
    return -1;
}

}  // namespace

EventRecorder::~EventRecorder() {
    if (reader_.joinable()) {
        const char stop = 0;
        (void)write(stopPipe_[1], &stop, 1);
        reader_.join();
    }
    for (int fd : {keyboard_, mouse_, stopPipe_[0], stopPipe_[1]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool EventRecorder::Attach(const std::string& keyboard, const std::string& mouse,
                           std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while ((keyboard_ < 0 || mouse_ < 0) && std::chrono::steady_clock::now() < end) {
        if (keyboard_ < 0) {
            keyboard_ = OpenNamed(keyboard);
        }
        if (mouse_ < 0) {
            mouse_ = OpenNamed(mouse);
        }
        if (keyboard_ < 0 || mouse_ < 0) {
            // The nodes appear once the program has made its devices; nothing signals that.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (keyboard_ < 0 || mouse_ < 0 || pipe2(stopPipe_, O_CLOEXEC) != 0) {
        return false;
    }
    reader_ = std::thread([this] { Record(); });
    return true;
}

void EventRecorder::Record() {
    pollfd waitFor[3] = {{keyboard_, POLLIN, 0}, {mouse_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    while (poll(waitFor, 3, -1) >= 0 && (waitFor[2].revents & POLLIN) == 0) {
        for (int device = 0; device < 2; ++device) {
            if ((waitFor[device].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
                continue;
            }
            input_event batch[64];
            const ssize_t got = read(waitFor[device].fd, batch, sizeof batch);
            if (got <= 0) {
                // A device that has gone is no longer polled.
                waitFor[device].fd = -1;
                continue;
            }
            std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < static_cast<std::size_t>(got) / sizeof batch[0]; ++i) {
                const input_event& event = batch[i];
                const Nanoseconds at = Nanoseconds{event.input_event_sec} * 1'000'000'000 +
                                       Nanoseconds{event.input_event_usec} * 1000;
                events_.push_back({device == 0 ? Source::Keyboard : Source::Mouse, at, event.type,
                                   event.code, event.value});
                if (event.type == EV_KEY) {
                    keyState_[event.code] = event.value;
                }
            }
            changed_.notify_all();
        }
    }
}

std::vector<RecordedEvent> EventRecorder::Events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

std::vector<RecordedEvent> EventRecorder::Keys() const {
    std::vector<RecordedEvent> keys;
    for (const RecordedEvent& event : Events()) {
        if (event.type == EV_KEY) {
            keys.push_back(event);
        }
    }
    return keys;
}

std::vector<uint16_t> EventRecorder::Down() const {
    std::lock_guard lock(mutex_);
    return DownLocked();
}

std::vector<uint16_t> EventRecorder::DownLocked() const {
    std::vector<uint16_t> down;
    for (const auto& [code, value] : keyState_) {
        if (value != 0) {
            down.push_back(code);
        }
    }
    return down;
}

bool EventRecorder::WaitFor(const std::function<bool(const std::vector<RecordedEvent>&)>& done,
                            std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return done(events_); });
}

bool EventRecorder::WaitAllUp(std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return DownLocked().empty(); });
}

}  // namespace qv::test
