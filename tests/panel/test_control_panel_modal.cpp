#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "AxisReport.h"
#include "PanelHarness.h"
#include "calibration/CalibrationDialog.h"
#include "keys/AssignmentDialog.h"

namespace qv {
namespace {

using test::PanelHarness;

class PanelModal : public ::testing::Test {
protected:
    PanelModal() { h.Start(); }

    // One engine tick with the stick pushed hard to a side that changes every time.
    void TickMovingStick() {
        const int side = ticks_++ % 2 == 0 ? 450 : -450;
        h.Report(test::AxisReport(side, -side, 0));
        h.ss.Fire();
    }

    // Runs `whileOpen` once the modal window that `open` shows is up.
    void WhileOpen(const std::function<void()>& open,
                   const std::function<void(QWidget&)>& whileOpen) {
        bool ran = false;
        QTimer::singleShot(0, h.panel.get(), [&] {
            const QPointer<QWidget> dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) {
                ADD_FAILURE() << "no modal window is open";
                return;
            }
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            whileOpen(*dialog);
            ran = true;
        });
        open();
        EXPECT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // What a person sees once a minimise has been dealt with: the panel on screen and not in the
    // tray, the dialog back in front of it, and nothing typed into the game meanwhile.
    void ExpectStillEditing(QWidget& dialog, const char* what) {
        TickMovingStick();
        QCoreApplication::processEvents();
        TickMovingStick();
        EXPECT_TRUE(h.panel->isVisible()) << what;
        EXPECT_FALSE(h.panel->isMinimized()) << what;
        EXPECT_FALSE(h.tray.shown) << what;
        EXPECT_TRUE(dialog.isVisible()) << what;
        EXPECT_FALSE(dialog.isMinimized()) << what;
        EXPECT_EQ(QApplication::activeWindow(), &dialog) << what;
        EXPECT_TRUE(h.sink.KeyDowns().empty()) << what;
    }

    // Each modal window the panel opens: how it opens, and how it closes.
    struct Way {
        const char* name;
        std::function<void()> open;
        std::function<void(QWidget&)> close;
    };
    std::vector<Way> Ways() {
        const auto escape = [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
        return {
            {"assignment", [this] { QTest::mouseClick(h.Controls().btnKEY[7], Qt::LeftButton); },
             escape},
            {"calibration", [this] { h.Menus().Calibrate->trigger(); },
             [](QWidget& dialog) { static_cast<CalibrationDialog&>(dialog).Cancel()->click(); }},
            {"file name", [this] { h.Menus().menLoad->trigger(); }, escape},
            {"About", [this] { h.Menus().mnuAbout->trigger(); }, escape},
        };
    }

    PanelHarness h;
    int ticks_ = 0;
};

TEST_F(PanelModal, AMinimiseWhileADialogIsOpenIsUndoneAndSendsNothing) {
    for (const Way& way : Ways()) {
        WhileOpen(way.open, [&](QWidget& dialog) {
            dialog.showMinimized();
            TickMovingStick();
            ExpectStillEditing(dialog, way.name);
            h.panel->showMinimized();
            TickMovingStick();
            ExpectStillEditing(dialog, way.name);
            way.close(dialog);
        });
    }
    h.panel->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.tray.shown) << "with no dialog open, a minimise goes to the tray as ever";
}

// Every window shows the program's icon in its title bar, not the desktop's generic one.
TEST_F(PanelModal, EveryWindowShowsTheProgramsIcon) {
    const QImage icon = h.panel->windowIcon().pixmap(32).toImage();
    ASSERT_FALSE(icon.isNull());
    for (const Way& way : Ways()) {
        WhileOpen(way.open, [&](QWidget& dialog) {
            EXPECT_TRUE(dialog.windowIcon().pixmap(32).toImage() == icon) << way.name;
            way.close(dialog);
        });
    }
}

}  // namespace
}  // namespace qv
