#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "QtTestApp.h"
#include "SessionBus.h"
#include "StandInWatcher.h"
#include "XvfbServer.h"
#include "panel/SystemTray.h"

// After Qt: Xlib's macros (Bool, Status) break Qt's headers.
#include <X11/Xlib.h>

namespace qv::test {
namespace {

using namespace std::chrono_literals;

// The test program's desktop: an X server and a session bus of its own, made before the
// QApplication so that Qt connects to both. Without them the test skips.
class EventDesktop final {
public:
    EventDesktop() {
        if (x_.XDisplay().empty() || bus_.Address().empty()) {
            whyNot_ = x_.XDisplay().empty() ? x_.WhyNot() : bus_.WhyNot();
            return;
        }
        display_ = XOpenDisplay(x_.XDisplay().c_str());
        if (display_ == nullptr) {
            whyNot_ = "the test's X server refuses connections";
            return;
        }
        setenv("DISPLAY", x_.XDisplay().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", bus_.Address().c_str(), 1);
    }

    ~EventDesktop() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }

    EventDesktop(const EventDesktop&) = delete;
    EventDesktop& operator=(const EventDesktop&) = delete;

    const std::string& WhyNot() const { return whyNot_; }

    // Takes the X tray selection and tells the screen, as a notification area does when it
    // starts.
    void TakeXTray() {
        const Window root = DefaultRootWindow(display_);
        const Atom selection = XInternAtom(display_, "_NET_SYSTEM_TRAY_S0", False);
        tray_ = XCreateSimpleWindow(display_, root, 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(display_, selection, tray_, CurrentTime);
        XEvent manager{};
        manager.xclient.type = ClientMessage;
        manager.xclient.window = root;
        manager.xclient.message_type = XInternAtom(display_, "MANAGER", False);
        manager.xclient.format = 32;
        manager.xclient.data.l[0] = CurrentTime;
        manager.xclient.data.l[1] = static_cast<long>(selection);
        manager.xclient.data.l[2] = static_cast<long>(tray_);
        XSendEvent(display_, root, False, StructureNotifyMask, &manager);
        XFlush(display_);
    }

    // The notification area's window goes, and the selection with it.
    void DropXTray() {
        if (tray_ != None) {
            XDestroyWindow(display_, tray_);
            XFlush(display_);
            tray_ = None;
        }
    }

private:
    XvfbServer x_;
    SessionBus bus_;
    Display* display_ = nullptr;
    Window tray_ = None;
    std::string whyNot_;
};

EventDesktop desktop;

// Runs the event loop, with every timer held back, until `done` holds, for at most 10 s: what
// is noticed here was told by an event, not found by asking on a timer.
bool ToldWithoutTimers(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::X11ExcludeTimers);
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

TEST(TrayAreaEvents, TheAreaComingAndGoingOnTheBusAndOnXIsToldWithoutAsking) {
    if (!desktop.WhyNot().empty()) {
        GTEST_SKIP() << desktop.WhyNot();
    }
    // There before Qt first looks for a notification area, so that Qt takes the bus's.
    StandInWatcher watcher(QV_STAND_IN_WATCHER);
    ASSERT_TRUE(watcher.Come());
    SystemTray tray;
    int changes = 0;
    tray.AreaChanged = [&changes] { ++changes; };
    tray.Watch(true);
    ASSERT_TRUE(tray.Available());

    watcher.Leave();
    ASSERT_TRUE(ToldWithoutTimers([&changes] { return changes == 1; })) << "the watcher left";
    EXPECT_FALSE(tray.Available());
    ASSERT_TRUE(watcher.Come());
    ASSERT_TRUE(ToldWithoutTimers([&changes] { return changes == 2; })) << "the watcher is back";
    EXPECT_TRUE(tray.Available());
    watcher.Leave();
    ASSERT_TRUE(ToldWithoutTimers([&changes] { return changes == 3; }));

    desktop.TakeXTray();
    ASSERT_TRUE(ToldWithoutTimers([&changes] { return changes == 4; })) << "an X tray started";
    EXPECT_TRUE(tray.Available());
    desktop.DropXTray();
    ASSERT_TRUE(ToldWithoutTimers([&changes] { return changes == 5; })) << "the X tray went";
    EXPECT_FALSE(tray.Available());
    tray.Watch(false);
}

}  // namespace
}  // namespace qv::test
