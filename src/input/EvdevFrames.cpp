#include "input/EvdevFrames.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <array>

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

constexpr EvdevEvent Syn(EvdevDevice device) {
    return {device, EV_SYN, SYN_REPORT, 0};
}

}  // namespace

EvdevFrames::EvdevFrames() {
    heldKeys_.reserve(keys_.size());
    heldButtons_.reserve(std::size(kButtonFlags));
}

void EvdevFrames::Press(EvdevFrame& out, EvdevDevice device, uint16_t code, bool down) {
    auto& held = device == EvdevDevice::Keyboard ? heldKeys_ : heldButtons_;
    std::erase(held, code);
    if (down) {
        held.push_back(code);
    }
    out.Push({device, EV_KEY, code, down ? 1 : 0});
}

EvdevFrame EvdevFrames::Translate(const InputRecord& record) {
    EvdevFrame out;
    if (record.type == InputType::Keyboard) {
        const uint16_t key = record.wVk < keys_.size() ? keys_[record.wVk] : 0;
        if (key == 0) {
            return out;
        }
        Press(out, EvdevDevice::Keyboard, key, (record.dwFlags & kKeyUp) == 0);
        out.Push(Syn(EvdevDevice::Keyboard));
        return out;
    }

    constexpr auto mouse = EvdevDevice::Mouse;
    if ((record.dwFlags & kMouseMove) != 0) {
        if (record.dx != 0) {
            out.Push({mouse, EV_REL, REL_X, record.dx});
        }
        if (record.dy != 0) {
            out.Push({mouse, EV_REL, REL_Y, record.dy});
        }
    }
    for (const auto& button : kButtonFlags) {
        if ((record.dwFlags & button.flag) != 0) {
            Press(out, mouse, button.button, button.down);
        }
    }
    if ((record.dwFlags & kMouseWheel) != 0 && record.mouseData != 0) {
        const int32_t notches = record.mouseData / kWheelDelta;
        if (notches != 0) {
            out.Push({mouse, EV_REL, REL_WHEEL, notches});
        }
        out.Push({mouse, EV_REL, REL_WHEEL_HI_RES, record.mouseData});
    }
    if (!out.Empty()) {
        out.Push(Syn(mouse));
    }
    return out;
}

std::vector<EvdevEvent> EvdevFrames::ReleaseAll() {
    std::vector<EvdevEvent> out;
    const auto releaseHeld = [&](EvdevDevice device, std::vector<uint16_t>& held) {
        if (held.empty()) {
            return;
        }
        for (auto code = held.rbegin(); code != held.rend(); ++code) {
            out.push_back({device, EV_KEY, *code, 0});
        }
        held.clear();
        out.push_back(Syn(device));
    };
    releaseHeld(EvdevDevice::Keyboard, heldKeys_);
    releaseHeld(EvdevDevice::Mouse, heldButtons_);
    return out;
}

std::vector<uint16_t> EvdevFrames::KeyboardKeys() const {
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

void BatchFrames(std::span<const EvdevEvent> events,
                 const std::function<void(EvdevDevice, std::span<const input_event>)>& write) {
    std::array<input_event, kMostEventsPerWrite> batch{};
    std::size_t queued = 0;
    for (const EvdevEvent& event : events) {
        input_event& out = batch[queued++];
        out.type = event.type;
        out.code = event.code;
        out.value = event.value;
        if (event.type == EV_SYN || queued == batch.size()) {
            write(event.device, std::span(batch).first(queued));
            queued = 0;
        }
    }
}

}  // namespace qv
