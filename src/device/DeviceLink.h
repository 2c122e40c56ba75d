#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "device/HidPlatform.h"

namespace qv {

inline constexpr uint16_t kControllerVendor = 0x045E;
inline constexpr uint16_t kControllerProduct = 0x0033;

// The link to the controller: finding it, reading one report per tick, feature reports, closing.
class DeviceLink final {
public:
    explicit DeviceLink(HidPlatform& platform);

    // Opens the first present interface with the controller's ids; without one nothing stays open.
    bool FindTheHid();
    // Takes a waiting report into ReportBuffer without blocking; the previous one stays otherwise.
    // A device that has gone leaves the buffer all zeros, so every input reads as released.
    void ReadDeviceReport();
    void SendFeatureReport(uint8_t b0, uint8_t b1, uint8_t b2);
    void CloseDevice();

    bool IsOpen() const { return device_ != nullptr; }
    const std::array<uint8_t, 8>& ReportBuffer() const { return reportBuffer_; }

private:
    HidPlatform& platform_;
    std::unique_ptr<HidDevice> device_;
    std::size_t inputReportLength_ = 0;
    // Holds a whole report of the declared length; only its first bytes reach ReportBuffer.
    std::vector<uint8_t> readBuffer_;
    std::array<uint8_t, 8> reportBuffer_{};
};

}  // namespace qv
