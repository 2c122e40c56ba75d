#include "input/InputSynth.h"

#include "model/Axes.h"
#include "model/DelayCodes.h"

namespace qv {
namespace {

constexpr int32_t kLeftButtonCode = 1;
constexpr int32_t kRightButtonCode = 2;
constexpr int32_t kMiddleButtonCode = 4;
constexpr int32_t kWheelForwardCode = 5;
constexpr int32_t kWheelBackwardCode = 6;

}  // namespace

InputSynth::InputSynth(InputSink& sink, const PanelSettings& settings, PrecisionTimer& delayTimer)
    : sink_(sink), settings_(settings), delayTimer_(delayTimer) {}

void InputSynth::SendKeyDown(int32_t code) {
    switch (code) {
        case kLeftButtonCode:
            return SendLeftDown();
        case kRightButtonCode:
            return SendRightDown();
        case kMiddleButtonCode:
            return SendMiddleDown();
        case kWheelForwardCode:
            return SendMouseWheel(kWheelDelta);
        case kWheelBackwardCode:
            return SendMouseWheel(-kWheelDelta);
        default:
            break;
    }
    if (IsDelayCode(code)) {
        return StartDelay(static_cast<uint8_t>(code - kFirstDelayCode));
    }
    SendKey(code, 0);
}

void InputSynth::SendKeyUp(int32_t code) {
    switch (code) {
        case kLeftButtonCode:
            return SendLeftUp();
        case kRightButtonCode:
            return SendRightUp();
        case kMiddleButtonCode:
            return SendMiddleUp();
        case kWheelForwardCode:
        case kWheelBackwardCode:
            return;
        default:
            break;
    }
    if (IsDelayCode(code)) {
        return;
    }
    SendKey(code, kKeyUp);
}

void InputSynth::SendKey(int32_t code, uint32_t upFlag) {
    // Only a hand-edited profile can hold a code outside the virtual-key range; it means nothing.
    if (code < 0 || code > 255) {
        return;
    }
    InputRecord record;
    record.type = InputType::Keyboard;
    record.wVk = static_cast<uint16_t>(code);
    record.wScan = scanCodes_[static_cast<size_t>(code)];
    record.dwFlags = ExtendedKey[static_cast<size_t>(code)] + upFlag;
    sink_.Send(record);
}

void InputSynth::SendMouse(uint32_t flags, int32_t mouseData) {
    InputRecord record;
    record.type = InputType::Mouse;
    record.dwFlags = flags;
    record.mouseData = mouseData;
    sink_.Send(record);
}

double InputSynth::MotionDivisor() const {
    const int timerChoice = settings_.chkCCTIMER;
    const auto periodLeft = static_cast<int16_t>(10 - settings_.Freq);
    return (timerChoice * 0.5 * periodLeft + 1) * 40;
}

void InputSynth::SendMouseMove(int16_t x, int16_t y) {
    InputRecord record;
    record.type = InputType::Mouse;
    record.dwFlags = kMouseMove;
    record.dx = RoundToInt16(x / MotionDivisor());
    record.dy = RoundToInt16(y / MotionDivisor());
    sink_.Send(record);
}

void InputSynth::SendMouseWheel(int16_t delta) {
    SendMouse(kMouseWheel, delta);
}
void InputSynth::SendLeftDown() {
    SendMouse(kMouseLeftDown);
}
void InputSynth::SendLeftUp() {
    SendMouse(kMouseLeftUp);
}
void InputSynth::SendRightDown() {
    SendMouse(kMouseRightDown);
}
void InputSynth::SendRightUp() {
    SendMouse(kMouseRightUp);
}
void InputSynth::SendMiddleDown() {
    SendMouse(kMouseMiddleDown);
}
void InputSynth::SendMiddleUp() {
    SendMouse(kMouseMiddleUp);
}

void InputSynth::StartDelay(uint8_t index) {
    if (index >= DelayTable.size()) {
        return;
    }
    delayTimer_.SetInterval(DelayTable[index]);
    delayTimer_.SetEnabled(true);
}

}  // namespace qv
