#include "device/DeviceLink.h"

#include <algorithm>

namespace qv {

namespace {

bool IsController(const std::optional<HidIds>& ids) {
    return ids && ids->vendor == kControllerVendor && ids->product == kControllerProduct;
}

}  // namespace

DeviceLink::DeviceLink(HidPlatform& platform) : platform_(platform) {}

bool DeviceLink::FindTheHid() {
    deniedPath_.clear();
    for (const std::string& path : platform_.Interfaces()) {
        std::unique_ptr<HidDevice> device = platform_.Open(path);
        if (!device) {
            if (deniedPath_.empty() && IsController(platform_.DeniedIds(path))) {
                deniedPath_ = path;
            }
            continue;
        }
        if (IsController(device->Ids())) {
            device_ = std::move(device);
            inputReportLength_ = device_->InputReportLength();
            readBuffer_.assign(std::max(inputReportLength_, reportBuffer_.size()), 0);
            newestBuffer_ = readBuffer_;
            return true;
        }
    }
    return false;
}

void DeviceLink::ReadDeviceReport() {
    if (!device_) {
        return;
    }
    int newest = 0;
    for (int reads = 0; reads < kMostReportsPerRead; ++reads) {
        const int read = device_->Read(readBuffer_);
        if (read < 0) {
            reportBuffer_.fill(0);
            return;
        }
        if (read == 0) {
            break;
        }
        readBuffer_.swap(newestBuffer_);
        newest = read;
    }
    if (newest == 0) {
        return;
    }
    const auto length =
        std::min({static_cast<std::size_t>(newest), newestBuffer_.size(), reportBuffer_.size()});
    const auto end = std::copy_n(newestBuffer_.begin(), length, reportBuffer_.begin());
    std::fill(end, reportBuffer_.end(), 0);
}

void DeviceLink::SendFeatureReport(uint8_t b0, uint8_t b1, uint8_t b2) {
    if (!device_) {
        return;
    }
    const std::array<uint8_t, 3> report{b0, b1, b2};
    device_->SendFeatureReport(report);
}

void DeviceLink::CloseDevice() {
    device_.reset();
}

}  // namespace qv
