#pragma once

#include <cstdint>

namespace qv {

enum class InputType : uint32_t { Mouse = 0, Keyboard = 1 };

// Mouse event flags.
inline constexpr uint32_t kMouseMove = 0x0001;
inline constexpr uint32_t kMouseLeftDown = 0x0002;
inline constexpr uint32_t kMouseLeftUp = 0x0004;
inline constexpr uint32_t kMouseRightDown = 0x0008;
inline constexpr uint32_t kMouseRightUp = 0x0010;
inline constexpr uint32_t kMouseMiddleDown = 0x0020;
inline constexpr uint32_t kMouseMiddleUp = 0x0040;
inline constexpr uint32_t kMouseWheel = 0x0800;
// Keyboard event flags.
inline constexpr uint32_t kKeyExtended = 0x0001;
inline constexpr uint32_t kKeyUp = 0x0002;
// One notch of the wheel.
inline constexpr int32_t kWheelDelta = 120;

// One synthesized input event. Keyboard events carry the output code as a Windows virtual key
// with its US-layout scan code; mouse events carry relative motion or one button or wheel flag.
struct InputRecord {
    InputType type = InputType::Mouse;
    uint16_t wVk = 0;
    uint16_t wScan = 0;
    uint32_t dwFlags = 0;
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t mouseData = 0;

    bool operator==(const InputRecord&) const = default;
};

}  // namespace qv
