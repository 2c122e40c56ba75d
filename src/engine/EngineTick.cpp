#include "engine/Engine.h"

namespace qv {

namespace {

constexpr uint8_t kShift1 = 0x01;
constexpr uint8_t kShift2 = 0x02;
constexpr uint8_t kShift3 = 0x04;
constexpr uint8_t kButton15 = 0x08;
constexpr uint8_t kModeBits = 0x30;

}  // namespace

void Engine::EngineTick() {
    link_.SendFeatureReport(2, 0x10, 0x10);
    link_.ReadDeviceReport();
    DecodeReport();
    RebuildButtonSlots();
    ReadModeSwitch();
    // The desktop repeats a key left down, so a tick without output lets go of what is held.
    if (view_->Shown() || Timers.Paused()) {
        StopOutput();
    }
    if (view_->Shown()) {
        view_->Refresh();
        PreviewOutputs();
    }
    if (!Timers.Paused() && !view_->Shown()) {
        SendOutputs();
    }
    model_.EngineReady = true;
}

void Engine::DecodeReport() {
    const auto& buffer = link_.ReportBuffer();
    for (int i = 1; i <= 6; ++i) {
        inputReport_[i] = buffer[i];
    }
    Axes& axes = model_.axes;
    axes.AxisX = axes.DecodeX(inputReport_[1], inputReport_[2]);
    axes.AxisY = axes.DecodeY(inputReport_[2], inputReport_[3]);
    axes.AxisTurn = axes.DecodeTurn(inputReport_[3], inputReport_[4]);
}

void Engine::RebuildButtonSlots() {
    for (int s = kFirstButtonSlot; s < kSlots; ++s) {
        model_.SlotHeld[s] = model_.SlotActive[s];
        model_.SlotActive[s] = false;
    }

    const uint8_t buttons = inputReport_[5];
    const uint8_t shifts = inputReport_[6];
    int offset = 0;
    auto& flags = model_.PageFlag;
    flags = {false, false, false};
    if (shifts & kShift1) {
        offset = 9;
        flags[0] = true;
        model_.Pages = PageLayout(1);
    }
    if (shifts & kShift2) {
        offset = 15;
        flags[1] = true;
        flags[0] = false;
        model_.Pages = PageLayout(2);
    }
    if (shifts & kShift3) {
        offset = 21;
        flags[2] = true;
        flags[1] = false;
        flags[0] = false;
        model_.Pages = PageLayout(3);
    }

    for (int k = 0; k < 6; ++k) {
        if (buttons & (1 << k)) {
            model_.SlotActive[offset + kFirstButtonSlot + k] = true;
        }
    }
    if (buttons & 0x40) {
        model_.SlotActive[13] = true;
    }
    if (buttons & 0x80) {
        model_.SlotActive[14] = true;
    }
    if (shifts & kButton15) {
        model_.SlotActive[15] = true;
    }
}

void Engine::ReadModeSwitch() {
    switch (inputReport_[6] & kModeBits) {
        case 0x10:
            model_.Mode = 0;
            break;
        case 0x20:
            model_.Mode = 1;
            break;
        case 0x30:
            model_.Mode = 2;
            break;
        default:
            break;
    }
}

}  // namespace qv
