#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "MonotonicTime.h"

namespace qv::test {

// The controller's input report as the engine reads it, report ID first.
struct ControllerState {
    int x = 0;            // -511..511, negative is left
    int y = 0;            // -511..511, negative is up
    int turn = 0;         // -511..511
    uint8_t buttons = 0;  // byte 5: buttons 1..6, then the two further buttons
    uint8_t extras = 0;   // byte 6: shift buttons 1..3, the further button, the mode switch
};

std::array<uint8_t, 7> EncodeReport(const ControllerState& state);

// One feature report that reached the device, with the time the kernel handed it over.
struct FeatureReport {
    Nanoseconds at = 0;
    uint8_t id = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

// A HID device made through /dev/uhid: the controller's report layout under any ids. It answers
// every feature request at once, since the kernel otherwise holds the caller for seconds and
// then fails the call, and keeps every feature report it was sent.
class VirtualController final {
public:
    VirtualController(uint16_t vendor, uint16_t product, const std::string& name);
    ~VirtualController();
    VirtualController(const VirtualController&) = delete;
    VirtualController& operator=(const VirtualController&) = delete;

    // Empty when the device exists; otherwise why it could not be made.
    const std::string& WhyNot() const { return whyNot_; }

    // Sends an input report; answers when it was handed to the kernel.
    Nanoseconds Send(const ControllerState& state);
    // Removes the device, as pulling its cable does.
    void Unplug();

    std::vector<FeatureReport> Features() const;
    // How often a program has opened the device so far.
    int Opens() const;
    // Waits until `done` holds for the feature reports received so far, or `limit` has passed.
    bool WaitFeatures(const std::function<bool(const std::vector<FeatureReport>&)>& done,
                      std::chrono::milliseconds limit) const;

private:
    void Serve();
    bool Write(const void* event, std::size_t size);

    int fd_ = -1;
    std::string whyNot_;
    std::thread server_;
    int stopPipe_[2] = {-1, -1};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<FeatureReport> features_;
    int opens_ = 0;
    std::mutex writeMutex_;
    bool plugged_ = false;
};

}  // namespace qv::test
