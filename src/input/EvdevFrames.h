#pragma once

#include <cstdint>
#include <vector>

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

// Turns input records into the events of a virtual keyboard and a virtual mouse, each record
// one frame ended by SYN_REPORT, and remembers what is down so that it can all be released.
class EvdevFrames final {
public:
    // Nothing for a key without a Linux key code or a motion of 0, 0.
    std::vector<EvdevEvent> translate(const InputRecord& record);
    // Releases every key and button still down, the last pressed first, and forgets them.
    std::vector<EvdevEvent> releaseAll();
    // Every key that the keyboard can send, in ascending order.
    std::vector<uint16_t> keyboardKeys() const;

private:
    void press(std::vector<EvdevEvent>& out, EvdevDevice device, uint16_t code, bool down);

    LinuxKeyTable keys_ = FillLinuxKeyCodes();
    // In the order they went down.
    std::vector<uint16_t> heldKeys_;
    std::vector<uint16_t> heldButtons_;
};

}  // namespace qv
