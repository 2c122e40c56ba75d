#pragma once

#include <X11/Xlib.h>

#include <string>

namespace qv::test {

// A window's title: _NET_WM_NAME when it has one, else WM_NAME.
inline std::string Title(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    char* name = nullptr;
    if (title.empty() && XFetchName(display, window, &name) != 0 && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

inline bool OnScreen(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

// The first window on screen under `root`, depth first, whose title is `title`. Hidden windows
// don't count: the toolkit titles its helper windows with the application's name.
inline Window FindWindow(Display* display, Window root, const std::string& title) {
    Window rootReturn = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) == 0) {
        return None;
    }
    Window found = None;
    for (unsigned int i = 0; i < count && found == None; ++i) {
        found = Title(display, children[i]) == title && OnScreen(display, children[i])
                    ? children[i]
                    : FindWindow(display, children[i], title);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

}  // namespace qv::test
