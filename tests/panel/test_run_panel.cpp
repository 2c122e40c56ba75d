#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>
#include <chrono>
#include <csignal>

#include "PanelHarness.h"
#include "panel/RunPanel.h"
#include "timer/TimerFdDriver.h"
#include "ui/MessageBox.h"

namespace qv {
namespace {

using test::MessageBoxAnswers;
using test::PanelHarness;

// RunPanel sets the application up as the program needs it; the next test finds it as it was.
class ApplicationKept final {
public:
    ~ApplicationKept() { QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed_); }

private:
    const bool quitOnLastWindowClosed_ = QApplication::quitOnLastWindowClosed();
};

// A termination signal, taken by the loop of a box that stands, as a real box's loop takes it.
void SignalWhileTheBoxStands(const PanelHarness& h) {
    raise(SIGTERM);
    for (int wait = 0; wait < 200 && !h.panel->Unloaded(); ++wait) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

// Counts the times a window is shown.
class ShowCounter final : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// A bad default profile makes the load step wait on a message box; a termination signal that
// comes meanwhile runs the tray's Exit there, and the program must not go on to show the panel.
TEST(RunPanel, ASignalDuringTheLoadStepEndsTheProgramThere) {
    PanelHarness h;
    QFile bad(h.folder.filePath(QStringLiteral("Default.qv1")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a profile\r\n");
    bad.close();
    ShowCounter panelShown;
    h.panel->installEventFilter(&panelShown);

    const ApplicationKept kept;
    TerminationSignals terminations;
    MessageBoxAnswers::SetNextAnswer([&h](const MessageBox::Shown& box) {
        EXPECT_EQ(box.title, QStringLiteral("Load Profile"));
        SignalWhileTheBoxStands(h);
        return QMessageBox::Ok;
    });
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(2); });
    guard.start(10000);
    EXPECT_EQ(RunPanel(*h.panel, terminations), 0);
    EXPECT_EQ(MessageBoxAnswers::Answered().size(), 1);
    EXPECT_EQ(panelShown.shows, 0);
    EXPECT_EQ(h.hid.closed, 1);
    EXPECT_EQ(h.sink.closeCount, 1);
    EXPECT_FALSE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
}

TEST(RunPanel, AnEngineTimerThatFailsToStartEndsTheProgramSayingWhy) {
    PanelHarness h;
    const ApplicationKept kept;
    TerminationSignals terminations;
    TimerFdDriver driver;
    EndOnTimerFailure(h.app, *h.panel, driver);
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    QTimer::singleShot(0, [&driver] { driver.Start(std::chrono::milliseconds(-1), [] {}); });
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(2); });
    guard.start(10000);

    testing::internal::CaptureStderr();
    EXPECT_EQ(RunPanel(*h.panel, terminations), 1);
    const std::string said = testing::internal::GetCapturedStderr();
    const std::string why =
        "Quorvane can't go on: the engine's timer can't be started (timerfd_settime: Invalid "
        "argument).";
    EXPECT_EQ(said, "quorvane: " + why + "\n");
    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    EXPECT_EQ(MessageBoxAnswers::Answered()[0].text.toStdString(), why);
    EXPECT_EQ(h.sink.closeCount, 1) << "what was held down is let go";
    EXPECT_EQ(h.hid.closed, 1);
    EXPECT_FALSE(h.panel->isVisible());
}

// A key held in the tray when the engine's timer fails, and a termination signal while the box
// says why: the key goes up before the box, and the exit plays its lamps once.
TEST(RunPanel, AFailingTimerLetsGoBeforeItsBoxAndExitsOnceWhateverComesMeanwhile) {
    PanelHarness h;
    const ApplicationKept kept;
    TerminationSignals terminations;
    TimerFdDriver driver;
    EndOnTimerFailure(h.app, *h.panel, driver);
    std::vector<uint16_t> upAtTheBox;
    std::size_t sleepsAtTheBox = 0;
    MessageBoxAnswers::SetNextAnswer([&](const MessageBox::Shown&) {
        upAtTheBox = h.sink.KeyUps();
        sleepsAtTheBox = h.clock.sleeps.size();
        SignalWhileTheBoxStands(h);
        return QMessageBox::Ok;
    });
    QTimer::singleShot(0, [&h, &driver] {
        h.Controls().Send->click();
        h.Report({1, 0, 0, 0, 0, 0x01, 0});
        h.ss.Fire();
        driver.Start(std::chrono::milliseconds(-1), [] {});
    });
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(2); });
    guard.start(10000);

    testing::internal::CaptureStderr();
    EXPECT_EQ(RunPanel(*h.panel, terminations), 1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(upAtTheBox, std::vector<uint16_t>{0x31});
    std::chrono::milliseconds paused{};
    for (std::size_t i = sleepsAtTheBox; i < h.clock.sleeps.size(); ++i) {
        paused += h.clock.sleeps[i];
    }
    EXPECT_EQ(paused, std::chrono::milliseconds(900)) << "one exit lamp show";
    EXPECT_EQ(h.hid.closed, 1);
    EXPECT_FALSE(h.ss.running);
}

}  // namespace
}  // namespace qv
