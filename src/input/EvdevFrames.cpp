#include "input/EvdevFrames.h"

#include <linux/input-event-codes.h>

#include <algorithm>

namespace qv {
namespace {

struct ButtonFlag {
    uint32_t flag;
    uint16_t button;
    bool down;
};

constexpr ButtonFlag kButtonFlags[] = {
    {kMouseLeftDown, BTN_LEFT, true},     {kMouseLeftUp, BTN_LEFT, false},
    {kMouseRightDown, BTN_RIGHT, true},   {kMouseRightUp, BTN_RIGHT, false},
    {kMouseMiddleDown, BTN_MIDDLE, true}, {kMouseMiddleUp, BTN_MIDDLE, false},
};

void EndFrame(std::vector<EvdevEvent>& out, EvdevDevice device) {
    out.push_back({device, EV_SYN, SYN_REPORT, 0});
}

}  // namespace

void EvdevFrames::press(std::vector<EvdevEvent>& out, EvdevDevice device, uint16_t code,
                        bool down) {
    auto& held = device == EvdevDevice::Keyboard ? heldKeys_ : heldButtons_;
    std::erase(held, code);
    if (down) {
        held.push_back(code);
    }
    out.push_back({device, EV_KEY, code, down ? 1 : 0});
}

std::vector<EvdevEvent> EvdevFrames::translate(const InputRecord& record) {
    std::vector<EvdevEvent> out;
    if (record.type == InputType::Keyboard) {
        const uint16_t key = record.wVk < keys_.size() ? keys_[record.wVk] : 0;
        if (key == 0) {
            return out;
        }
        press(out, EvdevDevice::Keyboard, key, (record.dwFlags & kKeyUp) == 0);
        EndFrame(out, EvdevDevice::Keyboard);
        return out;
    }

    constexpr auto mouse = EvdevDevice::Mouse;
    if ((record.dwFlags & kMouseMove) != 0) {
        if (record.dx != 0) {
            out.push_back({mouse, EV_REL, REL_X, record.dx});
        }
        if (record.dy != 0) {
            out.push_back({mouse, EV_REL, REL_Y, record.dy});
        }
    }
    for (const auto& button : kButtonFlags) {
        if ((record.dwFlags & button.flag) != 0) {
            press(out, mouse, button.button, button.down);
        }
    }
    if ((record.dwFlags & kMouseWheel) != 0 && record.mouseData != 0) {
        const int32_t notches = record.mouseData / kWheelDelta;
        if (notches != 0) {
            out.push_back({mouse, EV_REL, REL_WHEEL, notches});
        }
        out.push_back({mouse, EV_REL, REL_WHEEL_HI_RES, record.mouseData});
    }
    if (!out.empty()) {
        EndFrame(out, mouse);
    }
    return out;
}

std::vector<EvdevEvent> EvdevFrames::releaseAll() {
    std::vector<EvdevEvent> out;
    const auto releaseHeld = [&](EvdevDevice device, std::vector<uint16_t>& held) {
        if (held.empty()) {
            return;
        }
        for (auto code = held.rbegin(); code != held.rend(); ++code) {
            out.push_back({device, EV_KEY, *code, 0});
        }
        held.clear();
        EndFrame(out, device);
    };
    releaseHeld(EvdevDevice::Keyboard, heldKeys_);
    releaseHeld(EvdevDevice::Mouse, heldButtons_);
    return out;
}

std::vector<uint16_t> EvdevFrames::keyboardKeys() const {
    std::vector<uint16_t> out;
    for (uint16_t key : keys_) {
        if (key != 0) {
            out.push_back(key);
        }
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

}  // namespace qv
