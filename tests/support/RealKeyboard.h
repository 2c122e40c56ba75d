#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QPoint>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <string>

namespace qv::test {

// Watches the presses and releases of one key (by its X key code) as they reach the program's
// windows, before the windows hand them to their widgets, where the program may drop them.
class KeysSeen final : public QObject {
public:
    explicit KeysSeen(quint32 key) : code(key) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (watched->isWindowType() && (press || event->type() == QEvent::KeyRelease)) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (key.nativeScanCode() == code) {
                presses += press ? 1 : 0;
                const std::function<void(const QKeyEvent&)>& then = press ? pressed : released;
                if (then) {
                    then(key);
                }
            }
        }
        return false;
    }

    quint32 code;
    int presses = 0;
    std::function<void(const QKeyEvent&)> pressed;
    std::function<void(const QKeyEvent&)> released;
};

}  // namespace qv::test

// After Qt: Xlib's macros (Bool, Status, KeyPress) break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "Desktop.h"

namespace qv::test {

// A desktop of the test program's own (an X server and a window manager), and a hand on its
// keyboard and mouse through the X test extension: a key held down there is repeated by the X
// server, as a person's is by the desktop. Made before the QApplication, it has Qt run there, on
// its xcb platform. Where it can't be had, WhyNot() says why and Qt stays where it was.
class RealKeyboard final {
public:
    RealKeyboard() {
        if (!desktop_.WhyNot().empty()) {
            whyNot_ = desktop_.WhyNot();
            return;
        }
        x_ = XOpenDisplay(desktop_.XDisplay().c_str());
        int unused = 0;
        if (x_ == nullptr || !XTestQueryExtension(x_, &unused, &unused, &unused, &unused)) {
            whyNot_ = "the test's X server has no test extension";
            return;
        }
        // A short delay before the first repeat keeps the holds short; still a real one.
        XkbSetAutoRepeatRate(x_, XkbUseCoreKbd, kRepeatDelayMs, kRepeatIntervalMs);
        XAutoRepeatOn(x_);
        XSync(x_, False);
        setenv("DISPLAY", desktop_.XDisplay().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }

    ~RealKeyboard() {
        if (x_ != nullptr) {
            XCloseDisplay(x_);
        }
    }

    RealKeyboard(const RealKeyboard&) = delete;
    RealKeyboard& operator=(const RealKeyboard&) = delete;

    const std::string& WhyNot() const { return whyNot_; }

    // Presses the key and lets go of it; returns once Qt has had the press. The release may
    // come later, or never when the press closed the window that had the focus.
    void Tap(KeySym keysym) {
        KeysSeen seen(Code(keysym));
        Send(seen.code, true);
        EXPECT_TRUE(QTest::qWaitFor([&seen] { return seen.presses > 0; }))
            << "the key never reached the program";
        Send(seen.code, false);
    }

    // Holds the key down until the X server has repeated it kRepeats times, then lets go. Qt's
    // events run meanwhile. Once Qt has had the release, `letGo` runs with the number of
    // repeats Qt had, in the event loop that runs then: a modal window that the key opened is
    // still open there. Returns after `letGo`.
    void Hold(KeySym keysym, const std::function<void(int repeats)>& letGo) {
        KeysSeen seen(Code(keysym));
        bool finished = false;
        bool done = false;
        const auto finish = [&] {
            if (!finished) {
                finished = true;
                QTimer::singleShot(0, &seen, [&] {
                    letGo(seen.presses - 1);
                    done = true;
                });
            }
        };
        bool released = false;
        const auto release = [&] {
            if (!released) {
                released = true;
                Send(seen.code, false);
            }
        };
        seen.pressed = [&](const QKeyEvent&) {
            if (seen.presses > kRepeats) {
                release();
            }
        };
        // Each repeat is a release and a press at the same moment, which Qt marks as repeats.
        seen.released = [&](const QKeyEvent& key) {
            if (released && !key.isAutoRepeat()) {
                finish();
            }
        };
        // Lets go in any case, so that a key that reaches nobody is not left held down; a
        // release that comes while the focus moves between windows reaches nobody either.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [&] {
            release();
            finish();
        });
        giveUp.start(kGiveUpMs);
        Send(seen.code, true);
        EXPECT_TRUE(QTest::qWaitFor([&done] { return done; }, 2 * kGiveUpMs));
        release();
    }

    // Presses and lets go of the left button at `at` on the screen.
    void Click(const QPoint& at) {
        XTestFakeMotionEvent(x_, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(x_, 1, True, CurrentTime);
        XTestFakeButtonEvent(x_, 1, False, CurrentTime);
        XSync(x_, False);
    }

private:
    static constexpr unsigned kRepeatDelayMs = 150;
    static constexpr unsigned kRepeatIntervalMs = 30;
    static constexpr int kRepeats = 3;
    static constexpr int kGiveUpMs = 5000;
    static constexpr unsigned long kBeforePressMs = 20;

    KeyCode Code(KeySym keysym) const { return XKeysymToKeycode(x_, keysym); }

    // A press comes a moment after whatever came before: no hand lets go of a key and presses
    // it again within the same millisecond, which is how the X server's repeats come.
    void Send(KeyCode code, bool down) {
        XTestFakeKeyEvent(x_, code, down ? True : False, down ? kBeforePressMs : CurrentTime);
        XSync(x_, False);
    }

    Desktop desktop_;
    Display* x_ = nullptr;
    std::string whyNot_;
};

}  // namespace qv::test
