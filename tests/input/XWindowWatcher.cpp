#include "XWindowWatcher.h"

#include <X11/Xlib.h>
#include <poll.h>

namespace qv::test {

std::ostream& operator<<(std::ostream& out, const SeenEvent& seen) {
    static const char* const kNames[] = {"KeyDown", "KeyUp", "ButtonDown", "ButtonRelease",
                                         "Motion"};
    return out << "{" << kNames[seen.kind] << " " << seen.detail << " at " << seen.x << ","
               << seen.y << "}";
}

XWindowWatcher::XWindowWatcher(const std::string& display)
    : client_(XOpenDisplay(display.c_str())) {
    if (client_ == nullptr) {
        return;
    }
    const Window window =
        XCreateSimpleWindow(client_, DefaultRootWindow(client_), 0, 0, 400, 300, 0, 0, 0);
    XSelectInput(client_, window,
                 KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                     PointerMotionMask | StructureNotifyMask);
    XMapWindow(client_, window);
    XEvent event;
    do {
        XNextEvent(client_, &event);
    } while (event.type != MapNotify);
    XSetInputFocus(client_, window, RevertToParent, CurrentTime);
    XWarpPointer(client_, None, window, 0, 0, 0, 0, 100, 100);
    XSync(client_, True);
}

XWindowWatcher::~XWindowWatcher() {
    if (client_ != nullptr) {
        XCloseDisplay(client_);
    }
}

std::vector<SeenEvent> XWindowWatcher::Receive(std::size_t count) {
    std::vector<SeenEvent> seen;
    pollfd connection{ConnectionNumber(client_), POLLIN, 0};
    while (seen.size() < count) {
        if (XPending(client_) == 0 && poll(&connection, 1, 5000) != 1) {
            break;
        }
        while (XPending(client_) > 0 && seen.size() < count) {
            XEvent event;
            XNextEvent(client_, &event);
            switch (event.type) {
                case KeyPress:
                case KeyRelease:
                    seen.push_back({event.type == KeyPress ? SeenEvent::KeyDown : SeenEvent::KeyUp,
                                    event.xkey.keycode});
                    break;
                case ButtonPress:
                case ButtonRelease:
                    seen.push_back(
                        {event.type == ButtonPress ? SeenEvent::ButtonDown : SeenEvent::ButtonUp,
                         event.xbutton.button, event.xbutton.x, event.xbutton.y});
                    break;
                case MotionNotify:
                    seen.push_back({SeenEvent::Moved, 0, event.xmotion.x, event.xmotion.y});
                    break;
                default:
                    break;
            }
        }
    }
    return seen;
}

bool XWindowWatcher::KeyIsDown(unsigned keycode) {
    char keys[32];
    XQueryKeymap(client_, keys);
    return (keys[keycode / 8] & (1 << (keycode % 8))) != 0;
}

}  // namespace qv::test
