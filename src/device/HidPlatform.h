#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

struct HidIds {
    uint16_t vendor = 0;
    uint16_t product = 0;
};

// One opened HID interface.
class HidDevice {
public:
    virtual ~HidDevice() = default;

    // The vendor and product ids, or nothing when they can't be read.
    virtual std::optional<HidIds> Ids() = 0;
    // The input report length that the device declares, report ID included.
    virtual std::size_t InputReportLength() = 0;
    // Reads one waiting input report without blocking, report ID in byte 0 for numbered
    // reports. Answers the bytes read, 0 when no report is waiting, -1 when the device is gone.
    virtual int Read(std::span<uint8_t> into) = 0;
    // Sends a feature report, report ID first; answers whether the platform took it.
    virtual bool SendFeatureReport(std::span<const uint8_t> report) = 0;
};

// The platform's HID interfaces: the present ones in enumeration order, and opening one.
class HidPlatform {
public:
    virtual ~HidPlatform() = default;

    virtual std::vector<std::string> Interfaces() = 0;
    // Opens an interface for reading and writing; nullptr when it refuses.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;
    // The ids that the listing gave for an interface that the user may not open for reading and
    // writing; nothing when the interface does not refuse for lack of permission.
    virtual std::optional<HidIds> DeniedIds(const std::string& path) = 0;
};

}  // namespace qv
