#include "device/LampSequences.h"

#include <array>
#include <chrono>
#include <cstdint>

namespace qv {

namespace {

constexpr uint8_t kLampReport = 1;
constexpr uint8_t kIdleLamps1 = 0x55;
constexpr uint8_t kIdleLamps2 = 0x15;

struct LampStep {
    uint8_t reportId;
    uint8_t data1;
    uint8_t data2;
    int pauseMs;
};

constexpr std::array<LampStep, 9> kStartupShow{{
    {2, 0x10, 0x10, 0},
    {1, 0x01, 0x00, 100},
    {1, 0x04, 0x00, 100},
    {1, 0x10, 0x00, 100},
    {1, 0x00, 0x04, 100},
    {1, 0x00, 0x01, 100},
    {1, 0x40, 0x00, 100},
    {1, 0x00, 0x00, 400},
    {1, 0x55, 0x15, 0},
}};

constexpr std::array<LampStep, 9> kExitSequence{{
    {1, 0x55, 0x05, 100},
    {1, 0x55, 0x01, 100},
    {1, 0x55, 0x00, 100},
    {1, 0x15, 0x00, 100},
    {1, 0x05, 0x00, 100},
    {1, 0x01, 0x00, 100},
    {1, 0x00, 0x00, 100},
    {1, 0x55, 0x15, 200},
    {1, 0x00, 0x00, 0},
}};

template <std::size_t N>
void Play(const std::array<LampStep, N>& steps, DeviceLink& link, Clock& clock) {
    for (const LampStep& step : steps) {
        link.SendFeatureReport(step.reportId, step.data1, step.data2);
        if (step.pauseMs > 0) {
            clock.Sleep(std::chrono::milliseconds(step.pauseMs));
        }
    }
}

}  // namespace

void PlayStartupShow(DeviceLink& link, Clock& clock) {
    Play(kStartupShow, link, clock);
}

void PlayExitSequence(DeviceLink& link, Clock& clock) {
    Play(kExitSequence, link, clock);
}

void ShowSlotLamp(DeviceLink& link, const Model& model, int slot) {
    const auto& lamps = model.ButtonLed.at(static_cast<std::size_t>(slot));
    link.SendFeatureReport(kLampReport, lamps[0], lamps[1]);
}

void ShowIdleLamps(DeviceLink& link) {
    link.SendFeatureReport(kLampReport, kIdleLamps1, kIdleLamps2);
}

}  // namespace qv
