#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace qv {

// The read length assumed when a device's report descriptor can't be read.
inline constexpr std::size_t kFallbackInputReportLength = 64;

// What the hidraw backend learns from a device's report descriptor.
struct ReportLayout {
    // Whether the reports carry a report ID byte; assumed when nothing says otherwise.
    bool numbered = true;
    // The longest input report, with its report ID byte (a 0 for unnumbered reports).
    std::size_t inputReportLength = kFallbackInputReportLength;
};

ReportLayout ReadReportLayout(std::span<const uint8_t> descriptor);

// Where sysfs keeps the report descriptor of a hidraw node such as "/dev/hidraw3".
std::string ReportDescriptorPath(const std::string& devicePath);

// Reads one report with `read` (the platform's read: bytes delivered, 0 for none, -1 for a
// device gone) so that byte 0 holds the report ID: an unnumbered report gets a 0 in front.
int ReadWithReportId(bool numbered, std::span<uint8_t> into,
                     const std::function<int(std::span<uint8_t>)>& read);

}  // namespace qv
