#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
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
    const std::string& whyNot() const { return whyNot_; }
    const std::string& display() const { return server_.display(); }

    // A window titled exactly `title` once it is viewable, else None after `limit`.
    Window waitForViewable(const std::string& title, std::chrono::milliseconds limit);
    // Whether `window` stops being viewable within `limit`.
    bool waitUntilHidden(Window window, std::chrono::milliseconds limit);
    // Whether `window` is viewable again within `limit`.
    bool waitUntilShown(Window window, std::chrono::milliseconds limit);
    // A menu that pops up (a viewable window the window manager does not frame), else None.
    Window waitForPopup(std::chrono::milliseconds limit);

    // The window's height in pixels, 0 when it is gone.
    int height(Window window);
    void activate(Window window);
    void key(unsigned long keysym);
    void click(Window window, int x, int y, unsigned button, int count = 1);

private:
    bool viewable(Window window);
    Window anyPopup();

    XvfbServer server_{"1024x768x24"};
    Display* x_ = nullptr;
    pid_t windowManager_ = -1;
    pid_t tray_ = -1;
    std::string whyNot_;
};

}  // namespace qv::test
