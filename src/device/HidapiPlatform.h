#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/HidPlatform.h"

namespace qv {

// HID interfaces through hidapi's hidraw backend. The library is initialised for the object's
// lifetime, so devices it opened must be closed before it goes.
class HidapiPlatform final : public HidPlatform {
public:
    HidapiPlatform();
    ~HidapiPlatform() override;
    HidapiPlatform(const HidapiPlatform&) = delete;
    HidapiPlatform& operator=(const HidapiPlatform&) = delete;

    // Why the library could not start, or empty when it did; then no interface is listed.
    const std::string& Failure() const { return failure_; }

    std::vector<std::string> Interfaces() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;
    std::optional<HidIds> DeniedIds(const std::string& path) override;

private:
    // The ids of the last enumeration, by path.
    std::map<std::string, HidIds> enumerated_;
    std::string failure_;
};

}  // namespace qv
