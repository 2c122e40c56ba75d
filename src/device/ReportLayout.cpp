#include "device/ReportLayout.h"

#include <algorithm>
#include <map>
#include <vector>

namespace qv {

namespace {

// Short items: the prefix byte with its two size bits masked off.
constexpr uint8_t kInput = 0x80;
constexpr uint8_t kReportSize = 0x74;
constexpr uint8_t kReportId = 0x84;
constexpr uint8_t kReportCount = 0x94;
constexpr uint8_t kPush = 0xA4;
constexpr uint8_t kPop = 0xB4;
constexpr uint8_t kLongItem = 0xFE;

// A broken descriptor must not make the read buffer huge; hidraw delivers no more than this.
constexpr uint64_t kMaxReportLength = 16384;

struct Globals {
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

uint32_t ItemValue(std::span<const uint8_t> data) {
    uint32_t value = 0;
    for (std::size_t i = data.size(); i > 0; --i) {
        value = (value << 8) | data[i - 1];
    }
    return value;
}

}  // namespace

ReportLayout ReadReportLayout(std::span<const uint8_t> descriptor) {
    if (descriptor.empty()) {
        return {};
    }
    bool numbered = false;
    Globals globals;
    std::vector<Globals> stack;
    std::map<uint32_t, uint64_t> inputBits;

    std::size_t at = 0;
    while (at < descriptor.size()) {
        const uint8_t prefix = descriptor[at];
        if (prefix == kLongItem) {
            if (at + 1 >= descriptor.size()) {
                break;
            }
            at += 3 + std::size_t{descriptor[at + 1]};
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : prefix & 3;
        if (at + 1 + size > descriptor.size()) {
            break;
        }
        const uint32_t value = ItemValue(descriptor.subspan(at + 1, size));
        switch (prefix & 0xFC) {
            case kInput:
                inputBits[globals.reportId] += uint64_t{globals.reportSize} * globals.reportCount;
                break;
            case kReportSize:
                globals.reportSize = value;
                break;
            case kReportId:
                numbered = true;
                globals.reportId = value;
                break;
            case kReportCount:
                globals.reportCount = value;
                break;
            case kPush:
                stack.push_back(globals);
                break;
            case kPop:
                if (!stack.empty()) {
                    globals = stack.back();
                    stack.pop_back();
                }
                break;
            default:
                break;
        }
        at += 1 + size;
    }

    ReportLayout layout;
    layout.numbered = numbered;
    uint64_t longest = 0;
    for (const auto& [id, bits] : inputBits) {
        longest = std::max(longest, bits);
    }
    if (longest > 0) {
        const uint64_t bytes = 1 + (longest + 7) / 8;
        layout.inputReportLength = static_cast<std::size_t>(std::min(bytes, kMaxReportLength));
    }
    return layout;
}

std::string ReportDescriptorPath(const std::string& devicePath) {
    const std::string node = devicePath.substr(devicePath.find_last_of('/') + 1);
    return "/sys/class/hidraw/" + node + "/device/report_descriptor";
}

int ReadWithReportId(bool numbered, std::span<uint8_t> into,
                     const std::function<int(std::span<uint8_t>)>& read) {
    if (numbered) {
        return read(into);
    }
    if (into.empty()) {
        return 0;
    }
    const int delivered = read(into.subspan(1));
    if (delivered <= 0) {
        return delivered;
    }
    into[0] = 0;
    return delivered + 1;
}

}  // namespace qv
