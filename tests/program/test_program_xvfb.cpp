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
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "Desktop.h"
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
    if (!OnScreen(display, window)) {
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

// A program on an X server of its own, and the test's connection to that server.
class Program : public ::testing::Test {
protected:
    void SetUp() override {
        if (server.XDisplay().empty()) {
            GTEST_SKIP() << server.WhyNot();
        }
        display = XOpenDisplay(server.XDisplay().c_str());
        ASSERT_NE(display, nullptr);
        XSetErrorHandler(IgnoreXError);
    }
    void TearDown() override {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    XvfbServer server;
    Display* display = nullptr;
};

TEST_F(Program, WithoutTheControllerOneMessageAndOkEndsItWithAFailure) {
    if (ControllerPresent()) {
        GTEST_SKIP() << "a controller is plugged in, so the program would start";
    }
    const pid_t program =
        Spawn({QUORVANE_BINARY}, {"DISPLAY=" + server.XDisplay(), "QT_QPA_PLATFORM=xcb"});
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
}

void Click(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

void Keys(Display* display, std::initializer_list<KeySym> keys) {
    for (const KeySym key : keys) {
        std::this_thread::sleep_for(150ms);
        const KeyCode code = XKeysymToKeycode(display, key);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XSync(display, False);
    }
}

// Opens a menu of the menu bar with a click and picks its `downs`-th entry with the keyboard.
void PickFromMenu(Display* display, std::pair<int, int> menu, int downs) {
    Click(display, menu.first, menu.second);
    std::this_thread::sleep_for(300ms);
    for (int i = 0; i < downs; ++i) {
        Keys(display, {XK_Down});
    }
    Keys(display, {XK_Return});
}

// The screen places of the menus, as the fake program prints them once its panel is up.
std::map<std::string, std::pair<int, int>> ReadMenus(const std::string& file) {
    std::map<std::string, std::pair<int, int>> menus;
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (menus.size() < 3 && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(100ms);
        std::ifstream in(file);
        std::string word, name;
        int x = 0, y = 0;
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            if (fields >> word >> name >> x >> y && word == "menu") {
                menus[name] = {x, y};
            }
        }
    }
    return menus;
}

// Every process below `root`, by its parent links in /proc, with the name the kernel keeps.
std::map<pid_t, std::string> Descendants(pid_t root) {
    std::map<pid_t, std::pair<pid_t, std::string>> all;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string text;
        if (!std::getline(stat, text) || text.find(')') == std::string::npos) {
            continue;
        }
        const std::size_t open = text.find('(');
        const std::size_t close = text.rfind(')');
        char state = 0;
        pid_t parent = 0;
        std::istringstream(text.substr(close + 2)) >> state >> parent;
        all[std::stoi(text.substr(0, open))] = {parent, text.substr(open + 1, close - open - 1)};
    }
    std::map<pid_t, std::string> below;
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [pid, info] : all) {
            if ((info.first == root || below.count(info.first) != 0) && below.count(pid) == 0) {
                below[pid] = info.second;
                grew = true;
            }
        }
    }
    return below;
}

// A process that has ended, or only waits to be reaped, is not running.
bool Running(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text) || text.rfind(')') == std::string::npos) {
        return false;
    }
    return text[text.rfind(')') + 2] != 'Z';
}

// The About box and a web page opened from the real menus, then "&Exit" on the panel: the
// program ends, and the web engine's helper processes with it.
TEST_F(Program, AboutAndAWebPageFromTheMenusThenExitLeavesNothingRunning) {
    const std::string out =
        std::filesystem::temp_directory_path() / ("quorvane-menus-" + std::to_string(getpid()));
    const pid_t program =
        Spawn({"/bin/sh", "-c", "exec \"$0\" --idle > \"$1\"", QUORVANE_FAKE, out},
              {"DISPLAY=" + server.XDisplay(), "QT_QPA_PLATFORM=xcb"});
    const auto menus = ReadMenus(out);
    std::remove(out.c_str());
    ASSERT_EQ(menus.count("Miscellaneous"), 1u) << "the panel is up";
    ASSERT_EQ(menus.count("Tools"), 1u);
    const Window panel = WaitForWindow(display, "Quorvane", 10s);

    PickFromMenu(display, menus.at("Miscellaneous"), 2);
    const Window about = WaitForWindow(display, "About Quorvane", 10s);
    EXPECT_NE(about, None) << "Miscellaneous > About";
    for (int attempt = 0; attempt < 20 && about != None && OnScreen(display, about); ++attempt) {
        PressReturn(display, about);
        std::this_thread::sleep_for(200ms);
    }
    EXPECT_EQ(FindWindow(display, DefaultRootWindow(display), "About Quorvane"), None)
        << "Enter closed it";

    PickFromMenu(display, menus.at("Tools"), 2);
    EXPECT_NE(WaitForWindow(display, "Check for Quorvane updates", 20s), None)
        << "Tools > Check For Updates";
    std::map<pid_t, std::string> helpers;
    for (int attempt = 0; attempt < 100 && helpers.empty(); ++attempt) {
        std::this_thread::sleep_for(100ms);
        for (const auto& [pid, name] : Descendants(program)) {
            if (name.rfind("QtWebEngine", 0) == 0) {
                helpers[pid] = name;
            }
        }
    }
    EXPECT_FALSE(helpers.empty()) << "the web engine runs its pages in helper processes";

    XSetInputFocus(display, panel, RevertToParent, CurrentTime);
    Keys(display, {XK_Escape});
    std::optional<int> status = WaitForExit(program, 30s);
    if (!status) {
        kill(program, SIGKILL);
        WaitForExit(program, 10s);
    }
    ASSERT_TRUE(status) << "Escape on the panel is its Exit";
    EXPECT_EQ(*status, 0);
    std::set<pid_t> left;
    for (int attempt = 0; attempt < 100; ++attempt) {
        left.clear();
        for (const auto& [pid, name] : helpers) {
            if (Running(pid)) {
                left.insert(pid);
            }
        }
        if (left.empty()) {
            break;
        }
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_TRUE(left.empty()) << left.size() << " of the engine's processes outlived the program";
    for (const pid_t pid : left) {
        kill(pid, SIGKILL);
    }
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
TEST_F(Program, HangingUpLetsGoOfEveryKeyHeldThroughTheXServer) {
    // The scripted controller holds the stick down and right, and the panel goes to the tray.
    const pid_t program = Spawn({QUORVANE_FAKE, "--xtest", "--start"},
                                {"DISPLAY=" + server.XDisplay(), "QT_QPA_PLATFORM=offscreen"});
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
}

// A property of 32-bit numbers, as window managers set them.
std::vector<long> Cardinals(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 16, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        values.assign(reinterpret_cast<const long*>(data),
                      reinterpret_cast<const long*>(data) + count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return values;
}

struct Place {
    int left = 0, top = 0, width = 0, height = 0;
    int CentreX() const { return left + width / 2; }
    int CentreY() const { return top + height / 2; }
};

// A window with the frame the window manager put round it: the place the user sees.
Place FramedPlace(Display* display, Window window) {
    std::vector<long> frame;
    for (int attempt = 0; attempt < 100 && frame.size() < 4; ++attempt) {
        std::this_thread::sleep_for(50ms);
        frame = Cardinals(display, window, "_NET_FRAME_EXTENTS");
    }
    std::this_thread::sleep_for(300ms);  // the frame's move after its extents
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    int x = 0;
    int y = 0;
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    if (frame.size() < 4) {
        ADD_FAILURE() << "the window manager framed no window";
        frame.assign(4, 0);
    }
    return {x - static_cast<int>(frame[0]), y - static_cast<int>(frame[2]),
            attributes.width + static_cast<int>(frame[0] + frame[1]),
            attributes.height + static_cast<int>(frame[2] + frame[3])};
}

// With a window manager, the windows the panel opens come up where the user expects them.
TEST(ProgramOnADesktop, TheCalibrationDialogAndTheWebPageWindowComeUpCentred) {
    Desktop desktop;
    if (!desktop.WhyNot().empty()) {
        GTEST_SKIP() << desktop.WhyNot();
    }
    Display* display = XOpenDisplay(desktop.XDisplay().c_str());
    ASSERT_NE(display, nullptr);
    const std::string out =
        std::filesystem::temp_directory_path() / ("quorvane-places-" + std::to_string(getpid()));
    const pid_t program =
        Spawn({"/bin/sh", "-c", "exec \"$0\" --idle > \"$1\"", QUORVANE_FAKE, out},
              {"DISPLAY=" + desktop.XDisplay(), "QT_QPA_PLATFORM=xcb"});
    const auto menus = ReadMenus(out);
    std::remove(out.c_str());
    const Window panel = WaitForWindow(display, "Quorvane", 10s);
    if (menus.count("Tools") == 1 && panel != None) {
        const Place owner = FramedPlace(display, panel);
        for (const char* opening : {"first", "second"}) {
            PickFromMenu(display, menus.at("Tools"), 1);
            const Window dialog = WaitForWindow(display, "Calibration", 10s);
            const Place place = FramedPlace(display, dialog);
            EXPECT_NEAR(place.CentreX(), owner.CentreX(), 1) << opening << " opening";
            EXPECT_NEAR(place.CentreY(), owner.CentreY(), 1) << opening << " opening";
            desktop.Click(dialog, 176, 160, 1);  // Cancel, at its design place
            EXPECT_TRUE(desktop.WaitUntilHidden(dialog, 5s));
        }

        PickFromMenu(display, menus.at("Tools"), 2);
        const Window page = WaitForWindow(display, "Check for Quorvane updates", 20s);
        const Place place = FramedPlace(display, page);
        std::vector<long> area = Cardinals(display, DefaultRootWindow(display), "_NET_WORKAREA");
        EXPECT_GE(area.size(), 4u) << "the window manager tells the free area";
        area.resize(4);
        const Place free{static_cast<int>(area[0]), static_cast<int>(area[1]),
                         static_cast<int>(area[2]), static_cast<int>(area[3])};
        EXPECT_NEAR(place.CentreX(), free.CentreX(), 1) << "the web-page window";
        EXPECT_NEAR(place.CentreY(), free.CentreY(), 1) << "the web-page window";
        EXPECT_GE(place.top, free.top);
        EXPECT_LE(place.top + place.height, free.top + free.height);
    } else {
        ADD_FAILURE() << "the panel did not come up";
    }
    kill(program, SIGTERM);
    if (!WaitForExit(program, 30s)) {
        kill(program, SIGKILL);
        WaitForExit(program, 10s);
    }
    XCloseDisplay(display);
}

TEST(ProgramWithoutDisplay, OneLineSaysWhatItNeeds) {
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

constexpr const char* kNoDesktop =
    "Quorvane needs a graphical desktop session (X11, or Wayland with XWayland), and none was "
    "found: ";
// A Wayland display that nobody serves, in a runtime folder that is not there.
constexpr const char* kDeadWayland = "quorvane-nobody";
constexpr const char* kNoRuntime = "/nonexistent-quorvane-runtime";

// What the program says on stderr and its exit status, run without any display but those
// that `displays` (NAME=value words for env) name.
std::pair<std::string, int> RunWithDisplays(const std::string& displays) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + displays +
                                " " QUORVANE_BINARY " 2>&1 >/dev/null";
    FILE* program = popen(command.c_str(), "r");
    if (program == nullptr) {
        return {"popen failed", -1};
    }
    std::string errors;
    char chunk[256];
    while (fgets(chunk, sizeof chunk, program) != nullptr) {
        errors += chunk;
    }
    const int status = pclose(program);
    return {errors, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
}

TEST(ProgramWithoutDisplay, ADisplayThatCannotBeOpenedIsNamedInOneLine) {
    // Xvfb picks its display numbers from the low ones.
    if (std::filesystem::exists("/tmp/.X11-unix/X4711")) {
        GTEST_SKIP() << "an X server serves display :4711 here";
    }
    const auto [xErrors, xStatus] = RunWithDisplays("DISPLAY=:4711");
    EXPECT_EQ(xErrors, std::string(kNoDesktop) + "the X display :4711 can't be opened.\n");
    EXPECT_EQ(xStatus, 1);

    // Without Qt's Wayland plugin the display goes untried; with it, unanswered.
    const auto [errors, status] = RunWithDisplays(std::string("WAYLAND_DISPLAY=") + kDeadWayland +
                                                  " XDG_RUNTIME_DIR=" + kNoRuntime);
    EXPECT_EQ(
        errors.rfind(std::string(kNoDesktop) + "the Wayland display " + kDeadWayland + " ", 0), 0u)
        << errors;
    EXPECT_TRUE(errors.ends_with("; DISPLAY is not set.\n")) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(status, 1);
}

TEST_F(Program, AWaylandDisplayThatCannotBeOpenedLeavesTheWindowsToX) {
    const pid_t program =
        Spawn({QUORVANE_BINARY},
              {"DISPLAY=" + server.XDisplay(), std::string("WAYLAND_DISPLAY=") + kDeadWayland,
               std::string("XDG_RUNTIME_DIR=") + kNoRuntime, "QT_QPA_PLATFORM="});
    const auto end = std::chrono::steady_clock::now() + 30s;
    Window window = None;
    while (window == None && std::chrono::steady_clock::now() < end &&
           !WaitForExit(program, 50ms)) {
        XSync(display, False);
        window = FindWindow(display, DefaultRootWindow(display), "Quorvane Initialization Error");
        if (window == None) {
            window = FindWindow(display, DefaultRootWindow(display), "Quorvane");
        }
    }
    EXPECT_NE(window, None) << "the program came up on the X display";
    kill(program, SIGKILL);
    WaitForExit(program, 10s);
}

}  // namespace
}  // namespace qv::test
