#include "input/XTestSink.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <linux/input-event-codes.h>

#include <cstdlib>

namespace qv {
namespace {

constexpr int kEvdevKeycodeOffset = 8;
constexpr unsigned kWheelForwardButton = 4;
constexpr unsigned kWheelBackwardButton = 5;

unsigned XButton(uint16_t linuxButton) {
    switch (linuxButton) {
        case BTN_LEFT:
            return 1;
        case BTN_MIDDLE:
            return 2;
        case BTN_RIGHT:
            return 3;
        default:
            return 0;
    }
}

}  // namespace

std::unique_ptr<XTestSink> XTestSink::Create(const char* displayName, std::string& whyNot) {
    const std::string shownName = displayName != nullptr ? displayName : XDisplayName(nullptr);
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        whyNot = "no X display could be opened at \"" + shownName + "\"";
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        whyNot = "the X display \"" + shownName + "\" has no XTEST extension";
        return nullptr;
    }
    return std::unique_ptr<XTestSink>(new XTestSink(display));
}

XTestSink::XTestSink(_XDisplay* display) : display_(display) {
    XDisplayKeycodes(display_, &minKeycode_, &maxKeycode_);
}

XTestSink::~XTestSink() {
    Close();
}

void XTestSink::Send(const InputRecord& record) {
    if (display_ != nullptr) {
        Play(frames_.Translate(record).Events());
    }
}

void XTestSink::Close() {
    if (display_ == nullptr) {
        return;
    }
    Play(frames_.ReleaseAll());
    XCloseDisplay(display_);
    display_ = nullptr;
}

void XTestSink::Key(uint16_t linuxCode, bool down) {
    if (const unsigned button = XButton(linuxCode); button != 0) {
        XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
        return;
    }
    // The server refuses a key code outside its range with an error that would end the program.
    const int keycode = linuxCode + kEvdevKeycodeOffset;
    if (keycode >= minKeycode_ && keycode <= maxKeycode_) {
        XTestFakeKeyEvent(display_, static_cast<unsigned>(keycode), down ? True : False,
                          CurrentTime);
    }
}

void XTestSink::Play(std::span<const EvdevEvent> events) {
    int dx = 0;
    int dy = 0;
    for (const auto& event : events) {
        if (event.type == EV_KEY) {
            Key(event.code, event.value != 0);
        } else if (event.type == EV_REL && event.code == REL_X) {
            dx = event.value;
        } else if (event.type == EV_REL && event.code == REL_Y) {
            dy = event.value;
        } else if (event.type == EV_REL && event.code == REL_WHEEL) {
            const unsigned button = event.value > 0 ? kWheelForwardButton : kWheelBackwardButton;
            for (int notch = 0; notch < std::abs(event.value); ++notch) {
                XTestFakeButtonEvent(display_, button, True, CurrentTime);
                XTestFakeButtonEvent(display_, button, False, CurrentTime);
            }
        } else if (event.type == EV_SYN) {
            if (dx != 0 || dy != 0) {
                XTestFakeRelativeMotionEvent(display_, dx, dy, CurrentTime);
            }
            dx = 0;
            dy = 0;
            XFlush(display_);
        }
    }
}

}  // namespace qv
