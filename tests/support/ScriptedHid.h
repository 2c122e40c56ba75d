#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "device/DeviceLink.h"
#include "device/HidPlatform.h"

namespace qv::test {

using Bytes = std::vector<uint8_t>;

inline constexpr HidIds kControllerIds{kControllerVendor, kControllerProduct};

// One present interface and what it does once opened.
struct ScriptedInterface {
    std::string path;
    std::optional<HidIds> ids;  // nothing: the ids can't be read
    bool refusesOpen = false;
    // It refuses because the user may not open it.
    bool denied = false;
    std::size_t inputReportLength = 7;
    // The reports the device queues, oldest first; each read takes one. Several pushed between
    // two ticks are a controller that reports faster than the engine ticks.
    std::deque<Bytes> waiting;
    // From now on the device is gone: every read fails.
    bool gone = false;

    int reads = 0;
    std::size_t lastReadSize = 0;
};

struct SentFeatureReport {
    std::string path;
    Bytes bytes;
    std::size_t sleepsBefore = 0;  // the clock's sleeps that came before it
};

// A HidPlatform whose interfaces and reads are scripted, logging what is sent and opened.
class ScriptedHid final : public HidPlatform {
public:
    // With a clock, the timeline interleaves the feature reports with its sleeps.
    explicit ScriptedHid(const FakeClock* clock = nullptr) : clock_(clock) {}

    ScriptedInterface& Add(std::string path, std::optional<HidIds> ids) {
        present.push_back({});
        present.back().path = std::move(path);
        present.back().ids = ids;
        return present.back();
    }
    ScriptedInterface& AddController(std::string path = "/dev/hidraw0") {
        return Add(std::move(path), kControllerIds);
    }

    std::vector<std::string> Interfaces() override {
        ++enumerations;
        std::vector<std::string> paths;
        for (const ScriptedInterface& iface : present) {
            paths.push_back(iface.path);
        }
        return paths;
    }

    std::unique_ptr<HidDevice> Open(const std::string& path) override {
        openAttempts.push_back(path);
        const auto found = std::find_if(present.begin(), present.end(),
                                        [&](const ScriptedInterface& i) { return i.path == path; });
        if (found == present.end() || found->refusesOpen) {
            return nullptr;
        }
        ++opened;
        return std::make_unique<Device>(*this, *found);
    }

    std::optional<HidIds> DeniedIds(const std::string& path) override {
        for (const ScriptedInterface& iface : present) {
            if (iface.path == path && iface.refusesOpen && iface.denied) {
                return iface.ids;
            }
        }
        return std::nullopt;
    }

    // "report 01 55 15" and "pause 100" lines, in the order they happened.
    std::vector<std::string> Timeline() const {
        std::vector<std::string> lines;
        std::size_t sleepsShown = 0;
        auto showSleepsUpTo = [&](std::size_t count) {
            for (; clock_ != nullptr && sleepsShown < count; ++sleepsShown) {
                lines.push_back("pause " + std::to_string(clock_->sleeps[sleepsShown].count()));
            }
        };
        for (const SentFeatureReport& report : featureReports) {
            showSleepsUpTo(report.sleepsBefore);
            std::string line = "report";
            for (uint8_t byte : report.bytes) {
                char hex[4];
                std::snprintf(hex, sizeof hex, " %02X", byte);
                line += hex;
            }
            lines.push_back(line);
        }
        showSleepsUpTo(clock_ != nullptr ? clock_->sleeps.size() : 0);
        return lines;
    }

    std::deque<ScriptedInterface> present;
    std::vector<SentFeatureReport> featureReports;
    std::vector<std::string> openAttempts;
    int enumerations = 0;
    int opened = 0;
    int closed = 0;
    // Devices opened and not yet closed.
    int StillOpen() const { return opened - closed; }

private:
    class Device final : public HidDevice {
    public:
        Device(ScriptedHid& hid, ScriptedInterface& iface) : hid_(hid), iface_(iface) {}
        ~Device() override { ++hid_.closed; }
        Device(const Device&) = delete;
        Device& operator=(const Device&) = delete;

        std::optional<HidIds> Ids() override { return iface_.ids; }
        std::size_t InputReportLength() override { return iface_.inputReportLength; }

        int Read(std::span<uint8_t> into) override {
            ++iface_.reads;
            iface_.lastReadSize = into.size();
            if (iface_.gone) {
                return -1;
            }
            if (iface_.waiting.empty()) {
                return 0;
            }
            const Bytes report = std::move(iface_.waiting.front());
            iface_.waiting.pop_front();
            const std::size_t length = std::min(report.size(), into.size());
            std::copy_n(report.begin(), length, into.begin());
            return static_cast<int>(length);
        }

        bool SendFeatureReport(std::span<const uint8_t> report) override {
            const std::size_t sleeps = hid_.clock_ != nullptr ? hid_.clock_->sleeps.size() : 0;
            hid_.featureReports.push_back(
                {iface_.path, Bytes(report.begin(), report.end()), sleeps});
            return true;
        }

    private:
        ScriptedHid& hid_;
        ScriptedInterface& iface_;
    };

    const FakeClock* clock_;
};

}  // namespace qv::test
