#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

struct _XDisplay;

namespace qv::test {

// What a test window saw: a key or button (detail = key code or button) or a motion, with the
// pointer's place in the window for buttons and motion.
struct SeenEvent {
    enum Kind { KeyDown, KeyUp, ButtonDown, ButtonUp, Moved };
    Kind kind = KeyDown;
    unsigned detail = 0;
    int x = 0;
    int y = 0;

    bool operator==(const SeenEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SeenEvent& seen);

// A mapped, focused window on `display` with the pointer at (100, 100) inside it, listening
// for every key, button and motion event.
class XWindowWatcher final {
public:
    explicit XWindowWatcher(const std::string& display);
    ~XWindowWatcher();
    XWindowWatcher(const XWindowWatcher&) = delete;
    XWindowWatcher& operator=(const XWindowWatcher&) = delete;

    bool Ok() const { return client_ != nullptr; }
    // The next `count` events; fewer if they stop coming for five seconds.
    std::vector<SeenEvent> Receive(std::size_t count);
    bool KeyIsDown(unsigned keycode);

private:
    _XDisplay* client_ = nullptr;
};

}  // namespace qv::test
