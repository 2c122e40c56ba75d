#include <gtest/gtest.h>

#include <QFile>

#include "PanelHarness.h"
#include "panel/StartupFailure.h"
#include "profiles/ProfileWriter.h"
#include "ui/MessageBox.h"

namespace qv {
namespace {

using test::MessageBoxAnswers;
using test::PanelHarness;

TEST(Startup, WithoutTheControllerOneMessageAndThePanelNeverShows) {
    PanelHarness h(false);
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(h.panel->Form_Load()) << "the program must end";

    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    const MessageBox::Shown& box = MessageBoxAnswers::Answered().front();
    EXPECT_EQ(box.title, QStringLiteral("Quorvane Initialization Error"));
    EXPECT_EQ(box.text, QStringLiteral("Unable to open Strategic Commander device\r\rPlease remove "
                                       "and re-insert Strategic Commander\rand run 'Quorvane' to "
                                       "try again."));
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_FALSE(h.panel->isVisible());
    EXPECT_FALSE(h.Controls().Send->isEnabled());
    EXPECT_FALSE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
    EXPECT_TRUE(h.hid.featureReports.empty());
}

TEST(Startup, AControllerTheUserMayNotOpenIsToldWhatGivesAccess) {
    PanelHarness h(false);
    test::ScriptedInterface& controller = h.hid.AddController("/dev/hidraw5");
    controller.refusesOpen = controller.denied = true;
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(h.panel->Form_Load()) << "the program must end";

    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    const MessageBox::Shown& box = MessageBoxAnswers::Answered().front();
    EXPECT_EQ(box.title, QStringLiteral("Quorvane Initialization Error"));
    for (const char* told : {"plugged in at /dev/hidraw5", "udev rules", QV_UDEV_RULES_FILE,
                             "\r  udevadm control --reload-rules\r  udevadm trigger\r",
                             "re-insert Strategic Commander"}) {
        EXPECT_TRUE(box.text.contains(QString::fromUtf8(told))) << told;
    }
    EXPECT_FALSE(box.text.contains(QStringLiteral("Unable to open"))) << "it is there";
    EXPECT_FALSE(h.panel->isVisible());
    EXPECT_TRUE(h.hid.featureReports.empty());
}

TEST(Startup, WithTheControllerTheEngineStartsBehindTheHiddenPanel) {
    PanelHarness h;
    ASSERT_TRUE(h.panel->Form_Load());
    EXPECT_FALSE(h.panel->isVisible()) << "the program shows it once the load step is done";
    EXPECT_EQ(h.app.ring.SeqRead, 9500);
    EXPECT_EQ(h.app.ring.SeqWrite, 9500);
    EXPECT_TRUE(h.app.model.EngineReady);
    EXPECT_TRUE(h.ss.running);
    EXPECT_FALSE(h.cc.running);
    EXPECT_EQ(h.CcTimer().Interval(), 10);
    EXPECT_TRUE(h.Menus().TraySS->isChecked());
    EXPECT_FALSE(h.Menus().TrayCC->isChecked());
    EXPECT_FALSE(h.Controls().Freq->isEnabled());
    EXPECT_TRUE(h.Controls().Send->isEnabled());
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 100);
    EXPECT_EQ(h.app.model.settings.MidDeadZone, 100);
    EXPECT_EQ(h.Controls().Label4->text(), QStringLiteral("Engine Frequency =  5ms"));
    EXPECT_EQ(h.app.model.KeyLabel[2][0], "Move Up");
    EXPECT_EQ(h.app.model.axes.X().range, 1024);
    EXPECT_EQ(h.hid.featureReports.size(), 9u) << "the lamp show";
    EXPECT_TRUE(MessageBoxAnswers::Answered().isEmpty()) << "no default profile yet: no message";
}

TEST(Startup, TheDefaultProfileSetsTheControlsThroughTheirHandlersUnseen) {
    PanelHarness h;
    Model saved;
    FillDefaults(saved);
    saved.KeyLabel[0][7] = "Fire";
    saved.axes.Limits = {500, -500, 512, -512, 512, -512};
    PanelSettings settings;
    settings.DeadZone = 120;
    settings.MidDeadZone = 300;
    settings.chkWalk = 1;
    settings.chkCCTIMER = 1;
    settings.chkAngles = 0;
    const ProfileWriteResult file = WriteProfile(saved, settings);
    ASSERT_FALSE(file.error);
    QFile out(h.folder.filePath(QStringLiteral("Default.qv1")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.bytes.data(), static_cast<qint64>(file.bytes.size()));
    out.close();

    ASSERT_TRUE(h.panel->Form_Load());
    EXPECT_EQ(h.app.model.KeyLabel[0][7], "Fire");
    EXPECT_EQ(h.app.model.axes.Limits.MaxX, 500);
    EXPECT_EQ(h.Controls().DeadZone->value(), 120);
    EXPECT_EQ(h.Controls().chkWalk->Value(), 1);
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 300)
        << "the profile's own walk zone, not a parked one";
    EXPECT_FALSE(h.Controls().DeadZone2->isEnabled());
    EXPECT_EQ(h.Controls().chkCCTIMER->Value(), 1);
    EXPECT_TRUE(h.cc.running) << "the stored timer choice reaches the timers";
    EXPECT_FALSE(h.ss.running);
    EXPECT_TRUE(h.Controls().Freq->isEnabled());
    EXPECT_TRUE(h.Menus().TrayCC->isChecked());
    EXPECT_EQ(h.app.model.settings.chkCCTIMER, 1);
    EXPECT_EQ(h.panel->focusWidget(), nullptr) << "the hidden panel moves no focus";
}

TEST(Window, ShowsItsClientAreaAtTheDesignedPlaceWithStartEngineFocused) {
    PanelHarness h;
    h.Start();
    h.panel->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(h.panel->windowTitle(), QStringLiteral("Quorvane"));
    const QWidget* client = h.panel->centralWidget();
    EXPECT_EQ(client->mapToGlobal(QPoint(0, 0)), QPoint(2415 / 15, 2595 / 15))
        << "the client area's corner, not the frame's, sits at the designed place";
    EXPECT_EQ(client->size(), QSize(7575 / 15, 7695 / 15));
    EXPECT_EQ(h.panel->minimumSize(), h.panel->maximumSize()) << "a fixed border";
    EXPECT_EQ(h.panel->focusWidget(), h.Controls().Send) << "first in the tab order";
    EXPECT_EQ(h.Controls().Send->nextInFocusChain(), h.Controls().CancelButton);
}

TEST(Startup, WithoutInputOutputTheUserIsToldOnceAfterThePanelShows) {
    const QString why =
        QStringLiteral("No keyboard and mouse output: /dev/uinput can't be opened.");
    PanelHarness h(true, true, why);
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    ASSERT_TRUE(h.panel->Form_Load());
    EXPECT_TRUE(MessageBoxAnswers::Answered().isEmpty()) << "not before the panel is shown";
    h.panel->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    EXPECT_EQ(MessageBoxAnswers::Answered().front().text, why);

    h.Controls().Send->click();
    h.tray.DoubleClicked();
    QCoreApplication::processEvents();
    EXPECT_EQ(MessageBoxAnswers::Answered().size(), 1) << "once";
    EXPECT_TRUE(h.ss.running) << "the program goes on, previewing";
}

TEST(Startup, FailureLinesKeepTheBlankLineOfTheMessage) {
    EXPECT_EQ(StartupFailureLines(),
              "Quorvane Initialization Error\n"
              "Unable to open Strategic Commander device\n"
              "\n"
              "Please remove and re-insert Strategic Commander\n"
              "and run 'Quorvane' to try again.\n");
}

}  // namespace
}  // namespace qv
