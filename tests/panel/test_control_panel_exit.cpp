#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "PanelHarness.h"

namespace qv {
namespace {

using test::PanelHarness;

const std::vector<std::string> kExitLamps{
    "report 01 55 05", "pause 100", "report 01 55 01", "pause 100", "report 01 55 00", "pause 100",
    "report 01 15 00", "pause 100", "report 01 05 00", "pause 100", "report 01 01 00", "pause 100",
    "report 01 00 00", "pause 100", "report 01 55 15", "pause 200", "report 01 00 00"};

// The timeline from the exit on: what the controller saw after `reportsBefore` reports.
std::vector<std::string> ExitTimeline(const PanelHarness& h, std::size_t linesBefore) {
    const std::vector<std::string> all = h.hid.Timeline();
    return {all.begin() + static_cast<std::ptrdiff_t>(linesBefore), all.end()};
}

// Starts the panel with a key held down in the tray, as an exit can find it.
void StartHoldingAKey(PanelHarness& h) {
    h.Start();
    h.Controls().Send->click();
    h.Report({1, 0, 0, 0, 0, 0x01, 0});
    h.ss.Fire();
    ASSERT_EQ(h.sink.KeyDowns().size(), 1u);
}

TEST(TrayExit, StopsTheTimersRemovesTheIconThenPlaysTheLampsAndEnds) {
    PanelHarness h;
    StartHoldingAKey(h);
    const std::size_t before = h.hid.Timeline().size();
    const std::size_t reportsBefore = h.hid.featureReports.size();

    QTimer::singleShot(0, h.Menus().TrayExit, &QAction::trigger);
    QEventLoop loop;
    EXPECT_EQ(loop.exec(), 0) << "the tray's Exit ends the program";

    EXPECT_FALSE(h.cc.running);
    EXPECT_FALSE(h.ss.running);
    EXPECT_FALSE(h.tray.shown);
    ASSERT_EQ(h.tray.reportsAtDelete.size(), 2u) << "the panel's unload deletes it once more";
    EXPECT_EQ(h.tray.reportsAtDelete[0], reportsBefore) << "the icon goes before the lamps";
    EXPECT_EQ(ExitTimeline(h, before), kExitLamps);
    EXPECT_EQ(h.hid.closed, 1);
    EXPECT_EQ(h.sink.closeCount, 1) << "held keys are let go";
}

TEST(PanelExit, ExitEscapeFileExitAndTheCloseButtonAreOnePath) {
    const std::function<void(PanelHarness&)> exits[] = {
        [](PanelHarness& h) { h.Controls().CancelButton->click(); },
        [](PanelHarness& h) { QTest::keyClick(h.panel.get(), Qt::Key_Escape); },
        // Enter presses the command button that has the focus, not "&Start Engine".
        [](PanelHarness& h) {
            h.Controls().CancelButton->setFocus();
            QTest::keyClick(h.Controls().CancelButton, Qt::Key_Return);
        },
        [](PanelHarness& h) { h.Menus().menExit->trigger(); },
        [](PanelHarness& h) { h.panel->close(); },
    };
    for (std::size_t way = 0; way < std::size(exits); ++way) {
        PanelHarness h;
        StartHoldingAKey(h);
        h.tray.DoubleClicked();
        const std::size_t before = h.hid.Timeline().size();
        QTimer::singleShot(0, h.panel.get(), [&h, &exits, way] { exits[way](h); });
        QTimer guard;
        guard.callOnTimeout([] { QCoreApplication::exit(1); });
        guard.start(10000);
        EXPECT_EQ(QApplication::exec(), 0) << "the program ends with its last window: " << way;
        EXPECT_EQ(ExitTimeline(h, before), kExitLamps) << way;
        EXPECT_FALSE(h.ss.running) << "no tick runs against a closed controller: " << way;
        EXPECT_FALSE(h.cc.running) << way;
        EXPECT_EQ(h.hid.closed, 1) << way;
        EXPECT_EQ(h.sink.closeCount, 1) << way;
        EXPECT_FALSE(h.panel->isVisible()) << way;
    }
}

// The About box is modal, so only a termination signal's tray exit can find it open.
TEST(Exit, ClosesTheOpenAboutBoxAndWebWindowAndOpensNone) {
    PanelHarness h;
    h.Start();
    h.Menus().mnuUpdate->trigger();
    QPointer<WebPageWindow> web = h.panel->Pages().WebPage();
    ASSERT_FALSE(web.isNull());
    ASSERT_TRUE(web->isVisible());
    QPointer<AboutBox> about;
    bool aboutWasOpen = false;
    QTimer::singleShot(0, h.panel.get(), [&h, &about, &aboutWasOpen] {
        about = h.panel->Pages().About();
        aboutWasOpen = about && about->isVisible();
        h.panel->TrayExit_Click();
    });
    h.Menus().mnuAbout->trigger();
    EXPECT_TRUE(aboutWasOpen);
    EXPECT_TRUE(about.isNull()) << "the About box went with the exit";
    EXPECT_TRUE(web.isNull()) << "the web window is unloaded";
    EXPECT_EQ(h.hid.closed, 1);

    PanelHarness untouched;
    untouched.Start();
    untouched.Controls().CancelButton->click();
    EXPECT_EQ(untouched.panel->Pages().WebPage(), nullptr);
    EXPECT_EQ(untouched.browsers.made, 0) << "the exit loads no web window";
}

}  // namespace
}  // namespace qv
