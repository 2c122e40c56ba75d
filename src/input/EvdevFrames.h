#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include <linux/input.h>

#include "input/InputRecord.h"
#include "input/LinuxKeyCodes.h"

namespace qv {

enum class EvdevDevice { Keyboard, Mouse };

// One Linux input event (linux/input-event-codes.h), and the virtual device that sends it.
struct EvdevEvent {
    EvdevDevice device = EvdevDevice::Keyboard;
    uint16_t type = 0;
    uint16_t code = 0;
    int32_t value = 0;

    bool operator==(const EvdevEvent&) const = default;
};

// The events of one input record, all for one device and ended by SYN_REPORT, or none. Fixed in
// size, since one is made for every record: a record with every flag set at once (motion on both
// axes, each button's down and up, the wheel in notches and in fine steps) and the SYN fit.
class EvdevFrame final {
public:
    static constexpr std::size_t kCapacity = 11;

    void Push(const EvdevEvent& event) { events_[size_++] = event; }
    bool Empty() const { return size_ == 0; }
    std::size_t Size() const { return size_; }
    const EvdevEvent* begin() const { return events_.data(); }
    const EvdevEvent* end() const { return events_.data() + size_; }
    std::span<const EvdevEvent> Events() const { return {events_.data(), size_}; }

private:
    std::array<EvdevEvent, kCapacity> events_{};
    std::size_t size_ = 0;
};

// Turns input records into the events of a virtual keyboard and a virtual mouse, each record
// one frame, and remembers what is down so that it can all be released. Translating never
// allocates.
class EvdevFrames final {
public:
    EvdevFrames();

    // Nothing for a key without a Linux key code or a motion of 0, 0.
    EvdevFrame Translate(const InputRecord& record);
    // Releases every key and button still down, the last pressed first, and forgets them.
    std::vector<EvdevEvent> ReleaseAll();
    // Every key that the keyboard can send, in ascending order.
    std::vector<uint16_t> KeyboardKeys() const;

private:
    void Press(EvdevFrame& out, EvdevDevice device, uint16_t code, bool down);

    LinuxKeyTable keys_ = FillLinuxKeyCodes();
    // In the order they went down; room for every key and button is made at the start.
    std::vector<uint16_t> heldKeys_;
    std::vector<uint16_t> heldButtons_;
};

// Hands `write` the events as the kernel takes them, each device's run up to and including its
// SYN as one batch (split only past kMostEventsPerWrite), so that a frame costs one system call.
inline constexpr std::size_t kMostEventsPerWrite = 64;
void BatchFrames(std::span<const EvdevEvent> events,
                 const std::function<void(EvdevDevice, std::span<const input_event>)>& write);

}  // namespace qv
