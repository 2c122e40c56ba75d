#include "Desktop.h"

#include <X11/extensions/XTest.h>
#include <signal.h>

#include <thread>

#include "ChildProcess.h"
#include "XWindows.h"

namespace qv::test {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A poll interval for X state that has no event of its own for a client that did not make it.
constexpr auto kPoll = 20ms;

int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

bool WaitUntil(std::chrono::milliseconds limit, const auto& done) {
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

void Stop(pid_t pid) {
    if (pid > 0) {
        kill(pid, SIGTERM);
        if (!WaitForExit(pid, 5s)) {
            kill(pid, SIGKILL);
            WaitForExit(pid, 5s);
        }
    }
}

}  // namespace

Desktop::Desktop() {
    if (XDisplay().empty()) {
        whyNot_ = server_.WhyNot();
        return;
    }
    x_ = XOpenDisplay(XDisplay().c_str());
    if (x_ == nullptr) {
        whyNot_ = "cannot open " + XDisplay();
        return;
    }
    XSetErrorHandler(IgnoreXError);
    const std::string env = "DISPLAY=" + XDisplay();
    windowManager_ = Spawn({"/usr/bin/openbox"}, {env});
    const Atom wmCheck = XInternAtom(x_, "_NET_SUPPORTING_WM_CHECK", False);
    const bool wmUp = WaitUntil(30s, [&] {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, DefaultRootWindow(x_), wmCheck, 0, 1, False, AnyPropertyType, &type,
                           &format, &count, &after, &data);
        if (data != nullptr) {
            XFree(data);
        }
        return count > 0;
    });
    tray_ = Spawn({"/usr/bin/trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                   "pixel", "--width", "120", "--height", "28"},
                  {env});
    const Atom traySelection = XInternAtom(x_, "_NET_SYSTEM_TRAY_S0", False);
    const bool trayUp = WaitUntil(30s, [&] { return XGetSelectionOwner(x_, traySelection); });
    if (!wmUp || !trayUp) {
        whyNot_ = wmUp ? "trayer did not start" : "openbox did not start";
    }
}

Desktop::~Desktop() {
    if (x_ != nullptr) {
        XCloseDisplay(x_);
    }
    Stop(tray_);
    Stop(windowManager_);
}

bool Desktop::Viewable(Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x_, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

Window Desktop::WaitForViewable(const std::string& title, std::chrono::milliseconds limit,
                                const std::function<bool()>& pointless) {
    Window found = None;
    WaitUntil(limit, [&] {
        found = FindWindow(x_, DefaultRootWindow(x_), title);
        return (found != None && Viewable(found)) || pointless();
    });
    return found != None && Viewable(found) ? found : None;
}

bool Desktop::WaitUntilHidden(Window window, std::chrono::milliseconds limit) {
    return WaitUntil(limit, [&] { return !Viewable(window); });
}

bool Desktop::WaitUntilShown(Window window, std::chrono::milliseconds limit) {
    return WaitUntil(limit, [&] { return Viewable(window); });
}

Window Desktop::AnyPopup() {
    Window rootReturn = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (XQueryTree(x_, DefaultRootWindow(x_), &rootReturn, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == None; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(x_, children[i], &attributes) != 0 &&
                attributes.override_redirect && attributes.map_state == IsViewable &&
                attributes.width > 20 && attributes.height > 20) {
                found = children[i];
            }
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

Window Desktop::WaitForPopup(std::chrono::milliseconds limit) {
    Window popup = None;
    WaitUntil(limit, [&] { return (popup = AnyPopup()) != None; });
    return popup;
}

int Desktop::Height(Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x_, window, &attributes) != 0 ? attributes.height : 0;
}

void Desktop::Activate(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // from a pager: the user asked for it
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x_, DefaultRootWindow(x_), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XSync(x_, False);
    WaitUntil(5s, [&] {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(x_, &focus, &revert);
        // The focus may rest on a child of the panel's frame or of the panel itself.
        Window at = focus;
        while (at != None && at != window) {
            Window rootReturn = None;
            Window parent = None;
            Window* children = nullptr;
            unsigned int count = 0;
            if (XQueryTree(x_, at, &rootReturn, &parent, &children, &count) == 0) {
                return false;
            }
            if (children != nullptr) {
                XFree(children);
            }
            at = parent == rootReturn ? None : parent;
        }
        return at == window || focus == window;
    });
}

void Desktop::Key(unsigned long keysym) {
    const KeyCode code = XKeysymToKeycode(x_, keysym);
    XTestFakeKeyEvent(x_, code, True, CurrentTime);
    XTestFakeKeyEvent(x_, code, False, CurrentTime);
    XSync(x_, False);
}

void Desktop::Click(Window window, int x, int y, unsigned button, int count) {
    int rootX = 0;
    int rootY = 0;
    Window child = None;
    XTranslateCoordinates(x_, window, DefaultRootWindow(x_), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(x_, -1, rootX, rootY, CurrentTime);
    for (int i = 0; i < count; ++i) {
        XTestFakeButtonEvent(x_, button, True, CurrentTime);
        XTestFakeButtonEvent(x_, button, False, i + 1 < count ? 80 : CurrentTime);
    }
    XSync(x_, False);
}

}  // namespace qv::test
