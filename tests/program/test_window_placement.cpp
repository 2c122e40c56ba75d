// Where the windows that the panel opens come up on a desktop with a window manager, whose frames
// are what the user sees of their places.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "ChildProcess.h"
#include "Desktop.h"
#include "XWindows.h"

namespace qv::test {
namespace {

using namespace std::chrono_literals;

std::vector<long> CardinalProperty(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 16, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* longs = reinterpret_cast<const long*>(data);
        values.assign(longs, longs + count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return values;
}

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    int centreX() const { return left + width / 2; }
    int centreY() const { return top + height / 2; }
};

// The window with its frame, once the window manager has framed it.
Box Frame(Display* display, Window window) {
    std::vector<long> extents;
    for (int attempt = 0; attempt < 100 && extents.size() < 4; ++attempt) {
        std::this_thread::sleep_for(50ms);
        extents = CardinalProperty(display, window, "_NET_FRAME_EXTENTS");
    }
    // Left and top come in when the frame is in place; a short wait lets the move settle.
    std::this_thread::sleep_for(300ms);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    int x = 0;
    int y = 0;
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    if (extents.size() < 4) {
        ADD_FAILURE() << "the window manager framed no window";
        return {x, y, attributes.width, attributes.height};
    }
    return {x - static_cast<int>(extents[0]), y - static_cast<int>(extents[2]),
            attributes.width + static_cast<int>(extents[0] + extents[1]),
            attributes.height + static_cast<int>(extents[2] + extents[3])};
}

void Click(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

void Key(Display* display, KeySym key) {
    std::this_thread::sleep_for(150ms);
    const KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XSync(display, False);
}

Window WaitForWindow(Display* display, const std::string& title) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        XSync(display, False);
        if (const Window window = FindWindow(display, DefaultRootWindow(display), title)) {
            return window;
        }
        std::this_thread::sleep_for(50ms);
    }
    return None;
}

// Where the fake program's Tools menu lies on the screen, as it prints once its panel is up.
std::pair<int, int> ToolsMenu(const std::string& file) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        std::this_thread::sleep_for(100ms);
        std::ifstream in(file);
        std::string word, name;
        int x = 0, y = 0;
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            if (fields >> word >> name >> x >> y && word == "menu" && name == "Tools") {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

class WindowPlacement : public ::testing::Test {
protected:
    void SetUp() override {
        if (!desktop.whyNot().empty()) {
            GTEST_SKIP() << desktop.whyNot();
        }
        display = XOpenDisplay(desktop.display().c_str());
        ASSERT_NE(display, nullptr);
        const std::string out = std::filesystem::temp_directory_path() /
                                ("quorvane-placement-" + std::to_string(getpid()));
        program = Spawn({"/bin/sh", "-c", "exec \"$0\" --idle > \"$1\"", QUORVANE_FAKE, out},
                        {"DISPLAY=" + desktop.display(), "QT_QPA_PLATFORM=xcb"});
        tools = ToolsMenu(out);
        std::remove(out.c_str());
        ASSERT_GE(tools.first, 0) << "the panel is up";
        panel = WaitForWindow(display, "Quorvane");
        ASSERT_NE(panel, None);
    }
    void TearDown() override {
        if (program > 0) {
            kill(program, SIGTERM);
            if (!WaitForExit(program, 30s)) {
                kill(program, SIGKILL);
                WaitForExit(program, 10s);
            }
        }
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    // Tools, then its `downs`-th entry, as a person picks it with the mouse and the keyboard.
    void PickTool(int downs) {
        Click(display, tools.first, tools.second);
        std::this_thread::sleep_for(300ms);
        for (int i = 0; i < downs; ++i) {
            Key(display, XK_Down);
        }
        Key(display, XK_Return);
    }

    Desktop desktop;
    Display* display = nullptr;
    pid_t program = -1;
    std::pair<int, int> tools;
    Window panel = None;
};

TEST_F(WindowPlacement, TheCalibrationDialogOpensCentredOnThePanelEveryTime) {
    const Box owner = Frame(display, panel);
    for (const char* opening : {"first", "second"}) {
        PickTool(1);
        const Window dialog = WaitForWindow(display, "Calibration");
        ASSERT_NE(dialog, None) << "Tools > Calibrate";
        const Box frame = Frame(display, dialog);
        EXPECT_NEAR(frame.centreX(), owner.centreX(), 1) << opening << " opening";
        EXPECT_NEAR(frame.centreY(), owner.centreY(), 1) << opening << " opening";
        // Cancel, in the dialog's bottom right.
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, dialog, &attributes);
        int x = 0;
        int y = 0;
        Window child = None;
        XTranslateCoordinates(display, dialog, DefaultRootWindow(display), attributes.width - 50,
                              attributes.height - 25, &x, &y, &child);
        Click(display, x, y);
        for (int attempt = 0; attempt < 100 && OnScreen(display, dialog); ++attempt) {
            std::this_thread::sleep_for(50ms);
        }
        ASSERT_FALSE(OnScreen(display, dialog)) << "Cancel closed it";
    }
}

TEST_F(WindowPlacement, TheWebPageWindowIsCentredInsideTheScreensFreeArea) {
    PickTool(2);
    const Window page = WaitForWindow(display, "Check for Quorvane updates");
    ASSERT_NE(page, None) << "Tools > Check For Updates";
    const Box frame = Frame(display, page);
    const std::vector<long> area =
        CardinalProperty(display, DefaultRootWindow(display), "_NET_WORKAREA");
    ASSERT_GE(area.size(), 4u);
    const Box free{static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                   static_cast<int>(area[3])};
    EXPECT_GE(frame.top, free.top);
    EXPECT_LE(frame.bottom(), free.bottom());
    EXPECT_NEAR(frame.centreX(), free.centreX(), 1);
    EXPECT_NEAR(frame.centreY(), free.centreY(), 1);
}

}  // namespace
}  // namespace qv::test
