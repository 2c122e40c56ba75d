#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>

#include "XvfbServer.h"

namespace qv::test {

// An X desktop as a user has it: a server, a window manager and a notification area, and a
// hand on its keyboard and mouse (the X server's, never the kernel's input devices).
class Desktop final {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Empty when the desktop is up; otherwise what is missing.
    const std::string& WhyNot() const { return whyNot_; }
    const std::string& XDisplay() const { return server_.XDisplay(); }

    // A window titled exactly `title` once it is viewable, else None after `limit` or as soon as
    // `pointless` says the window can no longer come.
    Window WaitForViewable(
        const std::string& title, std::chrono::milliseconds limit,
        const std::function<bool()>& pointless = [] { return false; });
    // Whether `window` stops being viewable within `limit`.
    bool WaitUntilHidden(Window window, std::chrono::milliseconds limit);
    // Whether `window` is viewable again within `limit`.
    bool WaitUntilShown(Window window, std::chrono::milliseconds limit);
    // A menu that pops up (a viewable window the window manager does not frame), else None.
    Window WaitForPopup(std::chrono::milliseconds limit);

    // The window's height in pixels, 0 when it is gone.
    int Height(Window window);
    void Activate(Window window);
    void Key(unsigned long keysym);
    void Click(Window window, int x, int y, unsigned button, int count = 1);

private:
    bool Viewable(Window window);
    Window AnyPopup();

    XvfbServer server_{"1024x768x24"};
    Display* x_ = nullptr;
    pid_t windowManager_ = -1;
    pid_t tray_ = -1;
    std::string whyNot_;
};

}  // namespace qv::test
