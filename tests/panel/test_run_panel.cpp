#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>
#include <csignal>

#include "PanelHarness.h"
#include "panel/RunPanel.h"

namespace qv {
namespace {

using test::PanelHarness;

// A bad default profile makes the load step wait on a message box; a termination signal that
// comes meanwhile runs the tray's Exit there, and the program must not go on to show the panel.
TEST(RunPanel, ASignalDuringTheLoadStepEndsTheProgramThere) {
    PanelHarness h;
    QFile bad(h.folder.filePath(QStringLiteral("Default.qv1")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a profile\r\n");
    bad.close();

    TerminationSignals terminations;
    QTimer::singleShot(0, [] { raise(SIGTERM); });
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(2); });
    guard.start(10000);
    EXPECT_EQ(RunPanel(*h.panel, terminations), 0);
    EXPECT_FALSE(h.panel->isVisible());
    EXPECT_EQ(h.hid.closed, 1);
    EXPECT_EQ(h.sink.closeCount, 1);
    EXPECT_FALSE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
}

}  // namespace
}  // namespace qv
