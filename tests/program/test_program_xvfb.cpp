#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "XWindows.h"
#include "XvfbServer.h"
#include "device/DeviceLink.h"
#include "device/HidapiPlatform.h"

namespace qv::test {
namespace {

using namespace std::chrono_literals;

Window WaitForWindow(Display* display, const std::string& title, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        XSync(display, False);
        if (const Window window = FindWindow(display, DefaultRootWindow(display), title)) {
            return window;
        }
        std::this_thread::sleep_for(50ms);
    }
    return None;
}

// Xlib's default handler ends the process on any protocol error, skipping the destructors that
// stop the X server. A box that is not mapped yet refuses the focus, and the next attempt
// tries again, so errors are only worth ignoring here.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

void PressReturn(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable) {
        return;
    }
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    const KeyCode enter = XKeysymToKeycode(display, XK_Return);
    XTestFakeKeyEvent(display, enter, True, CurrentTime);
    XTestFakeKeyEvent(display, enter, False, CurrentTime);
    XSync(display, False);
}

bool ControllerPresent() {
    HidapiPlatform platform;
    DeviceLink link(platform);
    const bool found = link.FindTheHid();
    link.CloseDevice();
    return found;
}

TEST(Program, WithoutTheControllerOneMessageAndOkEndsItWithAFailure) {
    if (ControllerPresent()) {
        GTEST_SKIP() << "a controller is plugged in, so the program would start";
    }
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << server.whyNot();
    }
    Display* display = XOpenDisplay(server.display().c_str());
    ASSERT_NE(display, nullptr);
    XSetErrorHandler(IgnoreXError);

    const pid_t program =
        Spawn({QUORVANE_BINARY}, {"DISPLAY=" + server.display(), "QT_QPA_PLATFORM=xcb"});
    const Window box = WaitForWindow(display, "Quorvane Initialization Error", 30s);
    EXPECT_NE(box, None) << "the message box";
    EXPECT_EQ(FindWindow(display, DefaultRootWindow(display), "Quorvane"), None)
        << "the panel is never shown";

    std::optional<int> status;
    for (int attempt = 0; attempt < 20 && box != None && !status; ++attempt) {
        PressReturn(display, box);
        status = WaitForExit(program, 500ms);
    }
    if (!status) {
        kill(program, SIGKILL);
        WaitForExit(program, 10s);
    }
    ASSERT_TRUE(status) << "OK ends the program";
    EXPECT_NE(*status, 0);
    XCloseDisplay(display);
}

// The keys the X server holds down, by X key code.
std::vector<unsigned> KeysDown(Display* display) {
    char keys[32] = {};
    XQueryKeymap(display, keys);
    std::vector<unsigned> down;
    for (unsigned code = 0; code < 256; ++code) {
        if ((static_cast<unsigned char>(keys[code / 8]) >> (code % 8)) & 1) {
            down.push_back(code);
        }
    }
    return down;
}

// Closing the terminal the program was started from sends SIGHUP. Keys pressed through XTEST
// stay down in the X server after their client has gone, so the program must let go of them
// through its exit path first.
TEST(Program, HangingUpLetsGoOfEveryKeyHeldThroughTheXServer) {
    XvfbServer server;
    if (server.display().empty()) {
        GTEST_SKIP() << server.whyNot();
    }
    Display* display = XOpenDisplay(server.display().c_str());
    ASSERT_NE(display, nullptr);

    // The scripted controller holds the stick down and right, and the panel goes to the tray.
    const pid_t program = Spawn({QUORVANE_FAKE, "--xtest", "--start"},
                                {"DISPLAY=" + server.display(), "QT_QPA_PLATFORM=offscreen"});
    const unsigned right = XKeysymToKeycode(display, XK_d);
    const auto end = std::chrono::steady_clock::now() + 30s;
    std::vector<unsigned> down;
    while (std::chrono::steady_clock::now() < end &&
           std::find(down.begin(), down.end(), right) == down.end()) {
        std::this_thread::sleep_for(20ms);
        down = KeysDown(display);
    }
    EXPECT_NE(std::find(down.begin(), down.end(), right), down.end()) << "the engine's keys";

    kill(program, SIGHUP);
    std::optional<int> status = WaitForExit(program, 10s);
    if (!status) {
        kill(program, SIGKILL);
        WaitForExit(program, 10s);
    }
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0) << "the program ends through its exit path, not by the signal";
    EXPECT_EQ(KeysDown(display), std::vector<unsigned>{});
    XCloseDisplay(display);
}

TEST(Program, WithNoDisplayAtAllOneLineSaysWhatItNeeds) {
    FILE* program = popen("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " QUORVANE_BINARY
                          " 2>&1 >/dev/null",
                          "r");
    ASSERT_NE(program, nullptr);
    std::string errors;
    char chunk[256];
    while (fgets(chunk, sizeof chunk, program) != nullptr) {
        errors += chunk;
    }
    const int status = pclose(program);
    EXPECT_EQ(errors,
              "Quorvane needs a graphical desktop session (X11, or Wayland with XWayland), and "
              "none was found: DISPLAY is not set.\n");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace qv::test
