#include "device/HidapiPlatform.h"

#include <fcntl.h>
#include <hidapi.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "device/ReportLayout.h"

namespace qv {

namespace {

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// hidapi does not say why an open failed, so the node is opened again as it opens it.
bool AccessDenied(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EACCES || errno == EPERM;
}

class HidapiDevice final : public HidDevice {
public:
    HidapiDevice(hid_device* device, std::optional<HidIds> ids, ReportLayout layout)
        : device_(device), ids_(ids), layout_(layout) {}
    ~HidapiDevice() override { hid_close(device_); }
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    std::optional<HidIds> Ids() override { return ids_; }
    std::size_t InputReportLength() override { return layout_.inputReportLength; }

    // hidraw hands over a report ID byte only for numbered reports.
    int Read(std::span<uint8_t> into) override {
        return ReadWithReportId(layout_.numbered, into, [this](std::span<uint8_t> bytes) {
            return hid_read(device_, bytes.data(), bytes.size());
        });
    }

    bool SendFeatureReport(std::span<const uint8_t> report) override {
        return hid_send_feature_report(device_, report.data(), report.size()) >= 0;
    }

private:
    hid_device* device_;
    std::optional<HidIds> ids_;
    ReportLayout layout_;
};

}  // namespace

HidapiPlatform::HidapiPlatform() {
    if (hid_init() != 0) {
        failure_ = "the HID library could not start";
    }
}

HidapiPlatform::~HidapiPlatform() {
    if (failure_.empty()) {
        hid_exit();
    }
}

std::vector<std::string> HidapiPlatform::Interfaces() {
    enumerated_.clear();
    std::vector<std::string> paths;
    if (!failure_.empty()) {
        return paths;
    }
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        if (info->path == nullptr) {
            continue;
        }
        paths.emplace_back(info->path);
        enumerated_.emplace(info->path, HidIds{info->vendor_id, info->product_id});
    }
    hid_free_enumeration(list);
    return paths;
}

std::unique_ptr<HidDevice> HidapiPlatform::Open(const std::string& path) {
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) {
        return nullptr;
    }
    // A blocking handle would stall the user-interface thread on the first tick without a
    // report: such an interface counts as one that can't be opened.
    if (hid_set_nonblocking(device, 1) != 0) {
        hid_close(device);
        return nullptr;
    }
    std::optional<HidIds> ids;
    if (const auto found = enumerated_.find(path); found != enumerated_.end()) {
        ids = found->second;
    }
    const ReportLayout layout = ReadReportLayout(ReadFileBytes(ReportDescriptorPath(path)));
    return std::make_unique<HidapiDevice>(device, ids, layout);
}

std::optional<HidIds> HidapiPlatform::DeniedIds(const std::string& path) {
    const auto found = enumerated_.find(path);
    if (found == enumerated_.end() || !AccessDenied(path)) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace qv
