#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/HidPlatform.h"

namespace qv {

inline constexpr uint16_t kControllerVendor = 0x045E;
inline constexpr uint16_t kControllerProduct = 0x0033;
// Twice what hidraw queues: a device that reports while it is being read cannot hold a tick.
inline constexpr int kMostReportsPerRead = 128;

// The link to the controller: finding it, the newest report on every tick, feature reports,
// closing.
class DeviceLink final {
public:
    explicit DeviceLink(HidPlatform& platform);

    // Opens the first present interface with the controller's ids; without one nothing stays open.
    bool FindTheHid();
    // The controller's node when FindTheHid found it but the user may not open it; empty
    // otherwise. Until udev rules give access, this is what a new user's controller looks like.
    const std::string& DeniedPath() const { return deniedPath_; }
    // Takes every report that waits, without blocking, and keeps the newest in ReportBuffer; the
    // previous one stays when none waits. The device queues its reports, and one read per tick
    // would fall ever further behind a controller that reports faster than the engine ticks.
    // A device that has gone leaves the buffer all zeros, so every input reads as released.
    void ReadDeviceReport();
    void SendFeatureReport(uint8_t b0, uint8_t b1, uint8_t b2);
    void CloseDevice();

    const std::array<uint8_t, 8>& ReportBuffer() const { return reportBuffer_; }

private:
    HidPlatform& platform_;
    std::unique_ptr<HidDevice> device_;
    std::string deniedPath_;
    std::size_t inputReportLength_ = 0;
    // Each holds a whole report of the declared length: the next read goes into one while the
    // other keeps the newest whole report; only its first bytes reach ReportBuffer.
    std::vector<uint8_t> readBuffer_;
    std::vector<uint8_t> newestBuffer_;
    std::array<uint8_t, 8> reportBuffer_{};
};

}  // namespace qv
