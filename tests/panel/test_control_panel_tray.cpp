#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>

#include "PanelHarness.h"

namespace qv {
namespace {

using test::PanelHarness;

constexpr uint8_t kButton1 = 0x01;
constexpr uint16_t kButton1Key = 0x31;

// Whether the tray menu is open for use; "Restore Control Panel" and "Exit" are usable always.
bool TrayMenuEnabled(const PanelHarness& h) {
    EXPECT_TRUE(h.Menus().TrayRestore->isEnabled());
    EXPECT_TRUE(h.Menus().TrayExit->isEnabled());
    const bool enabled = h.Menus().TrayPause->isEnabled();
    EXPECT_EQ(h.Menus().TrayCC->isEnabled(), enabled);
    EXPECT_EQ(h.Menus().TraySS->isEnabled(), enabled);
    return enabled;
}

std::string Caption(const PanelHarness& h) {
    return h.Menus().TrayPause->text().toStdString();
}

TEST(Tray, StartEngineHidesThePanelAndLetsTheOutputRun) {
    PanelHarness h;
    h.Start();
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_FALSE(h.tray.shown);
    EXPECT_FALSE(TrayMenuEnabled(h));
    EXPECT_EQ(Caption(h), "Pause Engine");
    EXPECT_TRUE(h.ss.running);
    EXPECT_FALSE(h.cc.running);

    h.Report({1, 0, 0, 0, 0, kButton1, 0});
    h.ss.Fire();
    EXPECT_TRUE(h.sink.KeyDowns().empty()) << "the shown panel only previews";

    h.Controls().Freq->setValue(3);
    EXPECT_EQ(h.CcTimer().Interval(), 10) << "the period waits for the next trip to the tray";
    h.Controls().Send->click();
    EXPECT_FALSE(h.panel->isVisible());
    EXPECT_FALSE(h.panel->Shown());
    EXPECT_TRUE(h.tray.shown);
    EXPECT_EQ(h.tray.menu, h.Menus().TrayOptions);
    EXPECT_EQ(h.Menus().TrayOptions->defaultAction(), h.Menus().TrayRestore);
    EXPECT_TRUE(TrayMenuEnabled(h));
    EXPECT_EQ(h.CcTimer().Interval(), 3);
    EXPECT_EQ(h.CcTimer().TuningValue(), 3);
    EXPECT_TRUE(h.ss.running);

    h.Report({1, 0, 0, 0, 0, 0, 0});
    h.ss.Fire();
    h.Report({1, 0, 0, 0, 0, kButton1, 0});
    h.ss.Fire();
    EXPECT_EQ(h.sink.KeyDowns(), std::vector<uint16_t>{kButton1Key});
}

TEST(Tray, PauseStopsTheTimersAndResumeStartsTheChosenOne) {
    PanelHarness h;
    h.Start();
    h.Controls().Send->click();
    h.Menus().TrayPause->trigger();
    EXPECT_EQ(Caption(h), "Resume Engine");
    EXPECT_FALSE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
    h.Menus().TrayPause->trigger();
    EXPECT_EQ(Caption(h), "Pause Engine");
    EXPECT_TRUE(h.ss.running);
    EXPECT_FALSE(h.cc.running);

    h.Menus().TrayCC->trigger();
    h.Menus().TrayPause->trigger();
    h.Menus().TrayPause->trigger();
    EXPECT_TRUE(h.cc.running);
    EXPECT_FALSE(h.ss.running);
}

TEST(Tray, RestoreShowsThePanelAndKeepsThePauseState) {
    PanelHarness h;
    h.Start();
    h.Controls().Send->click();
    h.Menus().TrayPause->trigger();
    h.tray.DoubleClicked();
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_FALSE(h.tray.shown);
    EXPECT_FALSE(TrayMenuEnabled(h));
    EXPECT_EQ(h.CcTimer().Interval(), 10);
    EXPECT_EQ(Caption(h), "Resume Engine");
    EXPECT_FALSE(h.ss.running) << "a paused engine stays paused";

    h.Controls().Send->click();
    EXPECT_EQ(Caption(h), "Pause Engine");
    EXPECT_TRUE(h.ss.running);
    h.Menus().TrayRestore->trigger();
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_TRUE(h.ss.running) << "a running timer goes on as the preview's";
    EXPECT_EQ(h.tray.log, (std::vector<std::string>{"add", "delete", "add", "delete"}));
}

TEST(Tray, PauseAndRestoreLetGoOfHeldKeysAtOnce) {
    PanelHarness h;
    h.Start();
    h.Controls().Send->click();
    h.Report({1, 0, 0, 0, 0, kButton1, 0});
    h.ss.Fire();
    ASSERT_EQ(h.sink.KeyDowns(), std::vector<uint16_t>{kButton1Key});

    h.Menus().TrayPause->trigger();
    EXPECT_EQ(h.sink.KeyUps(), std::vector<uint16_t>{kButton1Key});
    h.Menus().TrayPause->trigger();
    h.ss.Fire();
    h.Report({1, 0, 0, 0, 0, 0, 0});
    h.ss.Fire();
    EXPECT_EQ(h.sink.KeyDowns().size(), 1u) << "a button still held is not pressed again";
    EXPECT_EQ(h.sink.KeyUps().size(), 1u) << "nor let go twice";

    h.Report({1, 0, 0, 0, 0, kButton1, 0});
    h.ss.Fire();
    h.Menus().TrayRestore->trigger();
    EXPECT_EQ(h.sink.KeyUps(), (std::vector<uint16_t>{kButton1Key, kButton1Key}));
}

// One engine event of the standard timer, then its 10 ms.
void Tick(PanelHarness& h) {
    h.ss.Fire();
    h.clock.Advance(std::chrono::milliseconds(10));
}

// What went out, mouse motion left aside: "+41"/"-41" for a key, "mouse 800" for a wheel notch.
std::vector<std::string> Sent(const test::RecordingSink& sink) {
    std::vector<std::string> sent;
    for (const InputRecord& record : sink.records) {
        if (record.type == InputType::Keyboard) {
            const QString edge = (record.dwFlags & kKeyUp) != 0 ? "-" : "+";
            sent.push_back((edge + QString::number(record.wVk, 16)).toStdString());
        } else if (record.dwFlags != kMouseMove) {
            sent.push_back(("mouse " + QString::number(record.dwFlags, 16)).toStdString());
        }
    }
    return sent;
}

// "DELAY 1 SECOND" then one more step on button 1, cut 400 ms into the delay and taken up again
// within the second: the rest plays once, as it would have without the cut.
TEST(Tray, AMacroCutDuringItsDelayPlaysItsNextStepOnce) {
    constexpr int32_t kOneSecond = 136;
    const struct {
        int32_t code;
        std::vector<std::string> once;
    } steps[] = {{5, {"mouse 800"}}, {0x41, {"+41", "-41"}}, {1, {"mouse 2", "mouse 4"}}};
    const std::function<void(PanelHarness&)> cuts[] = {
        [](PanelHarness& h) {
            h.Menus().TrayPause->trigger();
            h.Menus().TrayPause->trigger();
        },
        [](PanelHarness& h) {
            h.Menus().TrayRestore->trigger();
            Tick(h);
            h.Controls().Send->click();
        },
        [](PanelHarness& h) {
            h.Menus().TrayRestore->trigger();
            QTest::mouseClick(h.Controls().chkSimMouse, Qt::LeftButton);
            ASSERT_EQ(h.Controls().chkSimMouse->Value(), 1);
            h.Controls().Send->click();
        },
    };
    for (const auto& step : steps) {
        for (std::size_t cut = 0; cut < std::size(cuts); ++cut) {
            PanelHarness h;
            h.Start();
            h.app.model.KeyMap[0][7] = {2, kOneSecond, step.code};
            h.Controls().Send->click();
            h.Report({1, 0, 0, 0, 0, kButton1, 0});
            Tick(h);
            h.Report({1, 0, 0, 0, 0, 0, 0});
            for (int ms = 10; ms < 400; ms += 10) {
                Tick(h);
            }
            cuts[cut](h);
            for (int ms = 0; ms < 1000; ms += 10) {
                Tick(h);
            }
            EXPECT_EQ(Sent(h.sink), step.once) << "step " << step.code << ", cut " << cut;
        }
    }
}

TEST(Tray, MinimisingGoesToTheTrayWithTheCaptionAsItStands) {
    PanelHarness h;
    h.Start();
    h.panel->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(h.panel->isVisible());
    EXPECT_TRUE(h.tray.shown);
    EXPECT_FALSE(TrayMenuEnabled(h)) << "only Start Engine enables the tray menu";
    EXPECT_EQ(Caption(h), "Pause Engine");
    EXPECT_TRUE(h.ss.running) << "output runs";
    h.tray.DoubleClicked();
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_FALSE(h.panel->isMinimized());

    h.Controls().Send->click();
    h.Menus().TrayPause->trigger();
    h.tray.DoubleClicked();
    h.Controls().Freq->setValue(7);
    h.panel->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(h.panel->Shown());
    EXPECT_EQ(Caption(h), "Resume Engine");
    EXPECT_TRUE(h.ss.running) << "the chosen timer ticks without output";
    EXPECT_EQ(h.CcTimer().Interval(), 7);
}

TEST(Tray, AfterAMinimiseTheMenuStillRestoresAndExits) {
    PanelHarness h;
    h.Start();
    h.panel->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(h.tray.shown);
    EXPECT_FALSE(h.Menus().TrayPause->isEnabled()) << "only Start Engine opens the rest";
    EXPECT_FALSE(h.Menus().TrayCC->isEnabled());
    h.Menus().TrayRestore->trigger();
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_FALSE(h.tray.shown);

    h.panel->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_FALSE(h.panel->Shown());
    QTimer::singleShot(0, h.Menus().TrayExit, &QAction::trigger);
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(10000);
    QEventLoop loop;
    EXPECT_EQ(loop.exec(), 0) << "the tray's Exit ends the program";
    EXPECT_EQ(h.hid.closed, 1);
}

TEST(Tray, TimerItemsChooseTheTimerWhateverThePauseState) {
    PanelHarness h;
    h.Start();
    h.Controls().Send->click();
    h.Menus().TrayCC->trigger();
    EXPECT_EQ(h.Controls().chkCCTIMER->Value(), 1);
    EXPECT_TRUE(h.Menus().TrayCC->isChecked());
    EXPECT_FALSE(h.Menus().TraySS->isChecked());
    EXPECT_TRUE(h.Controls().Freq->isEnabled());
    EXPECT_TRUE(h.cc.running);
    EXPECT_FALSE(h.ss.running);

    h.Menus().TrayCC->trigger();
    EXPECT_TRUE(h.Menus().TrayCC->isChecked()) << "choosing it again keeps it checked";
    EXPECT_TRUE(h.cc.running);

    h.Menus().TrayPause->trigger();
    h.Menus().TraySS->trigger();
    EXPECT_EQ(Caption(h), "Resume Engine");
    EXPECT_TRUE(h.ss.running) << "a paused engine starts ticking without output";
    EXPECT_FALSE(h.cc.running);
    EXPECT_FALSE(h.Controls().Freq->isEnabled());
    h.Menus().TrayPause->trigger();
    EXPECT_TRUE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
}

TEST(Tray, HighPrecisionBoxSwapsOnlyARunningTimer) {
    PanelHarness h;
    h.Start();
    h.Controls().chkCCTIMER->click();
    EXPECT_TRUE(h.cc.running);
    EXPECT_FALSE(h.ss.running);
    EXPECT_EQ(h.CcTimer().Interval(), 10) << "10 ms while the panel is shown";
    EXPECT_TRUE(h.Menus().TrayCC->isChecked());
    h.Controls().chkCCTIMER->click();
    EXPECT_TRUE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
    EXPECT_FALSE(h.Controls().Freq->isEnabled());

    h.Controls().Send->click();
    h.Menus().TrayPause->trigger();
    h.tray.DoubleClicked();
    h.Controls().chkCCTIMER->click();
    EXPECT_FALSE(h.cc.running) << "paused: the choice changes, nothing starts";
    EXPECT_FALSE(h.ss.running);
    h.Controls().Send->click();
    EXPECT_TRUE(h.cc.running);
}

// The desktop's panel that holds the notification area quits while ours stands in it.
TEST(Tray, WithoutTheAreaThePanelStandsMinimisedUntilItComesBack) {
    PanelHarness h;
    h.Start();
    h.Controls().Send->click();
    h.tray.SetAvailable(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.panel->isVisible()) << "a way back to the program";
    EXPECT_TRUE(h.panel->isMinimized());
    EXPECT_FALSE(h.tray.shown);
    h.Report({1, 0, 0, 0, 0, kButton1, 0});
    h.ss.Fire();
    EXPECT_EQ(h.sink.KeyDowns(), std::vector<uint16_t>{kButton1Key}) << "output runs";

    h.tray.SetAvailable(true);
    EXPECT_FALSE(h.panel->isVisible());
    EXPECT_TRUE(h.tray.shown) << "the icon is back";

    h.tray.SetAvailable(false);
    h.panel->showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.panel->Shown()) << "bringing it back from the taskbar is the restore";
    EXPECT_FALSE(TrayMenuEnabled(h));
    EXPECT_EQ(h.sink.KeyUps(), std::vector<uint16_t>{kButton1Key});
    EXPECT_FALSE(h.tray.watched);

    // Brought back from the taskbar just after the area returned, before that was noticed.
    h.Controls().Send->click();
    ASSERT_TRUE(h.panel->isMinimized());
    h.tray.available = true;
    h.panel->showNormal();
    QCoreApplication::processEvents();
    h.tray.SetAvailable(true);
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_FALSE(h.tray.shown);
    EXPECT_FALSE(TrayMenuEnabled(h));
}

TEST(NoTray, ThePanelIsMinimisedInsteadAndCountsAsHidden) {
    PanelHarness h(true, false);
    h.Start();
    h.Controls().Freq->setValue(2);
    h.Controls().Send->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.panel->isMinimized());
    EXPECT_FALSE(h.panel->Shown());
    EXPECT_FALSE(h.tray.shown);
    EXPECT_EQ(h.CcTimer().Interval(), 2);
    h.Report({1, 0, 0, 0, 0, kButton1, 0});
    h.ss.Fire();
    EXPECT_EQ(h.sink.KeyDowns(), std::vector<uint16_t>{kButton1Key}) << "output runs";

    h.panel->showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.panel->Shown());
    EXPECT_FALSE(TrayMenuEnabled(h)) << "bringing it back is the restore";
    EXPECT_EQ(h.CcTimer().Interval(), 10);

    h.panel->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(h.panel->Shown());
    EXPECT_EQ(h.CcTimer().Interval(), 2);
}

}  // namespace
}  // namespace qv
