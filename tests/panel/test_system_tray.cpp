#include <gtest/gtest.h>

#include <QMenu>
#include <QSystemTrayIcon>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <thread>

#include "ChildProcess.h"
#include "PanelHarness.h"
#include "XvfbServer.h"
#include "panel/SystemTray.h"

// After Qt: Xlib's macros (Bool, Status) break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace qv::test {
namespace {

using namespace std::chrono_literals;

// The test program's desktop: an X server of its own with a notification area in it, made
// before the QApplication so that Qt connects there. Without them every test here skips.
class TrayDesktop final {
public:
    TrayDesktop() {
        if (server_.XDisplay().empty()) {
            whyNot_ = server_.WhyNot();
            return;
        }
        display_ = XOpenDisplay(server_.XDisplay().c_str());
        if (display_ == nullptr) {
            whyNot_ = "the test's X server refuses connections";
            return;
        }
        if (!StartArea()) {
            whyNot_ = "trayer, the notification area, is not installed or did not start";
            return;
        }
        setenv("DISPLAY", server_.XDisplay().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }

    ~TrayDesktop() {
        StopArea();
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }

    // Starts the notification area; true once it has taken its place on the screen.
    bool StartArea() {
        trayer_ = Spawn({"/usr/bin/env", "trayer", "--edge", "top", "--align", "right"},
                        {"DISPLAY=" + server_.XDisplay()});
        const Atom selection = XInternAtom(display_, "_NET_SYSTEM_TRAY_S0", False);
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (XGetSelectionOwner(display_, selection) == None) {
            const bool ended = WaitForExit(trayer_, 20ms).has_value();
            if (ended || std::chrono::steady_clock::now() > end) {
                trayer_ = ended ? -1 : trayer_;
                return false;
            }
        }
        return true;
    }

    // Ends the notification area, as when the desktop's panel quits.
    void StopArea() {
        if (trayer_ > 0) {
            kill(trayer_, SIGTERM);
            WaitForExit(trayer_, 5s);
            trayer_ = -1;
        }
    }

    TrayDesktop(const TrayDesktop&) = delete;
    TrayDesktop& operator=(const TrayDesktop&) = delete;

    const std::string& WhyNot() const { return whyNot_; }

    // Where the icon window stands on the screen once the notification area has taken it in,
    // as X sees it; Qt's own idea of the icon's geometry misses the notification area's offset.
    std::optional<QRect> Docked(const QWidget& icon) {
        XSync(display_, False);
        const Window window = icon.winId();
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        XWindowAttributes attributes{};
        if (XQueryTree(display_, window, &root, &parent, &children, &count) == 0 ||
            XGetWindowAttributes(display_, window, &attributes) == 0) {
            return std::nullopt;
        }
        if (children != nullptr) {
            XFree(children);
        }
        int x = 0;
        int y = 0;
        Window child = None;
        if (parent == root || attributes.map_state != IsViewable ||
            !XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child)) {
            return std::nullopt;
        }
        return QRect(x, y, attributes.width, attributes.height);
    }

    // Presses and releases `button` `count` times at the centre of `area`, as a person would.
    void Click(const QRect& area, unsigned int button, int count = 1) {
        const QPoint at = area.center();
        XTestFakeMotionEvent(display_, 0, at.x(), at.y(), CurrentTime);
        for (int click = 0; click < count; ++click) {
            XTestFakeButtonEvent(display_, button, True, CurrentTime);
            XTestFakeButtonEvent(display_, button, False, CurrentTime);
        }
        XFlush(display_);
    }

private:
    XvfbServer server_;
    Display* display_ = nullptr;
    pid_t trayer_ = -1;
    std::string whyNot_;
};

TrayDesktop desktop;

constexpr unsigned int kLeft = 1;
constexpr unsigned int kRight = 3;

// Runs the event loop until `done` holds, for at most 10 s.
bool Eventually(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// The window that stands for the tray icon: Qt's own, the only top-level of its class.
QWidget* IconWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qstrcmp(window->metaObject()->className(), "QSystemTrayIconSys") == 0) {
            return window;
        }
    }
    return nullptr;
}

// Where the icon stands once the notification area shows it; an empty rectangle after 10 s.
QRect DockedIcon() {
    std::optional<QRect> area;
    Eventually([&area] {
        const QWidget* icon = IconWindow();
        area = icon != nullptr ? desktop.Docked(*icon) : std::nullopt;
        return area.has_value();
    });
    return area.value_or(QRect());
}

class DesktopTray : public ::testing::Test {
protected:
    void SetUp() override {
        if (!desktop.WhyNot().empty()) {
            GTEST_SKIP() << desktop.WhyNot();
        }
        ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
    }
};

TEST_F(DesktopTray, TheIconDocksWithItsTipAndMenuAndLeaves) {
    PanelHarness h;
    SystemTray tray;
    tray.AddIcon(h.panel->windowIcon(), h.Menus().TrayOptions);
    EXPECT_FALSE(DockedIcon().isEmpty()) << "the notification area shows the icon";
    EXPECT_EQ(tray.Icon().toolTip(), QStringLiteral("Quorvane"));
    EXPECT_EQ(tray.Icon().contextMenu(), h.Menus().TrayOptions);
    tray.DeleteIcon();
    EXPECT_FALSE(tray.Icon().isVisible());
    EXPECT_TRUE(Eventually([] { return IconWindow() == nullptr; }));
}

TEST_F(DesktopTray, StartEngineGoesToTheTrayAndADoubleClickOnTheIconRestores) {
    SystemTray tray;
    PanelHarness h(true, true, {}, &tray);
    h.Start();
    h.Controls().Send->click();
    EXPECT_FALSE(h.panel->isVisible());
    const QRect icon = DockedIcon();
    ASSERT_FALSE(icon.isEmpty());

    desktop.Click(icon, kLeft);
    QCoreApplication::processEvents();
    EXPECT_FALSE(h.panel->isVisible()) << "a single click restores nothing";
    std::this_thread::sleep_for(600ms);  // past the double-click interval
    desktop.Click(icon, kLeft, 2);
    EXPECT_TRUE(Eventually([&h] { return h.panel->isVisible(); }));
    EXPECT_FALSE(tray.Icon().isVisible());
}

TEST_F(DesktopTray, ARightClickOpensTheMenuWhosePauseAndRestoreWork) {
    SystemTray tray;
    PanelHarness h(true, true, {}, &tray);
    h.Start();
    h.Controls().Send->click();
    const QRect icon = DockedIcon();
    ASSERT_FALSE(icon.isEmpty());
    QMenu* menu = h.Menus().TrayOptions;

    desktop.Click(icon, kRight);
    ASSERT_TRUE(Eventually([menu] { return menu->isVisible(); }));
    desktop.Click(menu->actionGeometry(h.Menus().TrayPause).translated(menu->pos()), kLeft);
    EXPECT_TRUE(Eventually([menu] { return !menu->isVisible(); }));
    EXPECT_EQ(h.Menus().TrayPause->text(), QStringLiteral("Resume Engine"));
    EXPECT_FALSE(h.ss.running);

    desktop.Click(icon, kRight);
    ASSERT_TRUE(Eventually([menu] { return menu->isVisible(); }));
    desktop.Click(menu->actionGeometry(h.Menus().TrayRestore).translated(menu->pos()), kLeft);
    EXPECT_TRUE(Eventually([&h] { return h.panel->isVisible(); }));
    EXPECT_FALSE(tray.Icon().isVisible());
    EXPECT_EQ(h.Menus().TrayPause->text(), QStringLiteral("Resume Engine")) << "still paused";
}

// The desktop's panel quits while ours stands in its notification area, then comes back.
TEST_F(DesktopTray, WithoutTheAreaThePanelStandsMinimisedAndTheIconReturnsWithIt) {
    SystemTray tray;
    PanelHarness h(true, true, {}, &tray);
    h.Start();
    h.Controls().Send->click();
    ASSERT_FALSE(DockedIcon().isEmpty());

    desktop.StopArea();
    EXPECT_TRUE(Eventually([&h] { return h.panel->isVisible(); })) << "a way back to the program";
    EXPECT_TRUE(h.panel->isMinimized());
    EXPECT_FALSE(h.panel->Shown()) << "output runs";

    ASSERT_TRUE(desktop.StartArea());
    EXPECT_TRUE(Eventually([&h] { return !h.panel->isVisible(); }));
    EXPECT_FALSE(DockedIcon().isEmpty()) << "the icon is back in the area";
}

TEST(SystemTray, OnlyADoubleClickOnTheIconRestores) {
    SystemTray tray;
    int restores = 0;
    tray.DoubleClicked = [&restores] { ++restores; };
    for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick,
                              QSystemTrayIcon::Context, QSystemTrayIcon::Unknown}) {
        emit tray.Icon().activated(reason);
    }
    EXPECT_EQ(restores, 0) << "a single click, another button or a right click restores nothing";
    emit tray.Icon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(restores, 1);
}

}  // namespace
}  // namespace qv::test
