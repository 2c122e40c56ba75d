#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <map>

#include "AxisReport.h"
#include "PanelHarness.h"
#include "calibration/CalibrationDialog.h"
#include "profiles/ProfileNameDialog.h"
#include "ui/PanelColour.h"
#include "ui/PanelLook.h"
#include "ui/PictureBox.h"

namespace qv {
namespace {

constexpr QRgb kForm = 0xFF98A1A6;
constexpr QRgb kRedPixel = 0xFFFF0000;

// The real panel over the scripted controller; the engine's and the dialog's timers are stepped
// by hand.
class CalibrationDialogTest : public ::testing::Test {
protected:
    CalibrationDialogTest() { h.Start(); }

    // One engine tick on a report with these raw axis values.
    void Tick(int x, int y, int turn) {
        h.Report(test::AxisReport(x, y, turn));
        h.ss.Fire();
    }

    // Opens the dialog from the panel's menu and runs `inside` while it is shown modally; the
    // dialog must have closed by the time `inside` returns.
    void WhileOpen(const std::function<void(CalibrationDialog&)>& inside) {
        bool ran = false;
        QTimer::singleShot(0, h.panel.get(), [&] {
            // The exit may unload the dialog from inside.
            const QPointer<CalibrationDialog> dialog = h.panel->findChild<CalibrationDialog*>();
            if (dialog == nullptr) {
                ADD_FAILURE() << "no calibration dialog is open";
                return;
            }
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), dialog);
            inside(*dialog);
            ran = true;
            if (dialog != nullptr && dialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog->Cancel_Click();
            }
        });
        h.Menus().Calibrate->trigger();
        EXPECT_TRUE(ran);
    }

    const CalibrationLimits& Limits() const { return h.app.model.axes.Limits; }

    test::PanelHarness h;
};

// Where a point of the pictures' 1030 x 1030 scale lands in a picture's drawing.
QPoint Pixel(PictureBox& picture, double x, double y) {
    const QSize size = picture.Image().size();
    return {static_cast<int>(x * size.width() / 1030), static_cast<int>(y * size.height() / 1030)};
}

QRgb At(PictureBox& picture, double x, double y) {
    return picture.Image().pixel(Pixel(picture, x, y));
}

TEST_F(CalibrationDialogTest, IsLoadedOnFirstUseAtItsPlacesInItsColours) {
    EXPECT_EQ(h.panel->findChild<CalibrationDialog*>(), nullptr);
    WhileOpen([&](CalibrationDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Calibration");
        EXPECT_EQ(d.parentWidget(), h.panel.get());
        EXPECT_EQ(d.size(), QSize(225, 185));
        EXPECT_EQ(d.Picture1()->geometry(), QRect(8, 8, 97, 97));
        EXPECT_EQ(d.Picture2()->geometry(), QRect(120, 8, 97, 97));
        EXPECT_EQ(d.Text1()->geometry(), QRect(8, 112, 209, 27));
        EXPECT_EQ(d.OK()->geometry(), QRect(8, 144, 81, 33));
        EXPECT_EQ(d.Cancel()->geometry(), QRect(136, 144, 81, 33));
        EXPECT_EQ(d.Text1()->text(), "Move controller to all sides to calibrate");
        EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(d.windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_EQ(d.OK()->palette().color(QPalette::Button), ColourNumber(0xDEDDDA));
        EXPECT_EQ(d.Text1()->palette().color(QPalette::Base), ColourNumber(0xA6A198));

        h.calib.Fire();
        const QImage shown = d.grab().toImage();
        EXPECT_EQ(shown.pixel(112, 50), kForm) << "the form between the pictures";
        EXPECT_EQ(d.Picture1()->Image().pixel(2, 2), kForm);
        EXPECT_EQ(d.Picture2()->Image().pixel(2, 2), kForm);
        d.OK_Click();
    });
}

TEST_F(CalibrationDialogTest, EscapeDoesNothingAndEnterPressesTheFocusedButton) {
    WhileOpen([&](CalibrationDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible()) << "Escape does nothing";
        d.Text1()->setFocus();
        QTest::keyClick(d.Text1(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "neither button is the default";
        EXPECT_FALSE(d.OK()->isDefault());
        EXPECT_FALSE(d.Cancel()->isDefault());
        d.Cancel()->setFocus();
        QTest::keyClick(d.Cancel(), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible()) << "Enter presses the button that has the focus";
    });
    EXPECT_FALSE(h.calib.running);
}

// The window manager may draw a close button though the dialog asks for none: it cancels.
TEST_F(CalibrationDialogTest, TheWindowManagersCloseButtonCancels) {
    WhileOpen([&](CalibrationDialog& d) {
        Tick(400, 400, 400);
        h.calib.Fire();
        d.windowHandle()->close();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(h.calib.running);
    EXPECT_EQ(Limits().MaxX, 512) << "nothing committed";
}

TEST_F(CalibrationDialogTest, LearnsFromTheTicksAndOKCommitsTheAxesThatMoved) {
    WhileOpen([&](CalibrationDialog& d) {
        EXPECT_TRUE(h.calib.running);
        EXPECT_EQ(h.calib.period, std::chrono::milliseconds(10));
        Tick(400, 0, -250);
        h.calib.Fire();
        Tick(0, 0, 300);
        h.calib.Fire();
        EXPECT_EQ(h.app.model.CalibX.Min, 0);
        EXPECT_EQ(h.app.model.CalibX.Max, 400);
        EXPECT_EQ(h.app.model.CalibTurn.Min, -250);
        EXPECT_EQ(h.app.model.CalibTurn.Max, 300);
        EXPECT_EQ(h.app.model.CalibY.Max, 0);
        EXPECT_TRUE(h.ss.running) << "the engine keeps ticking in preview";
        QTest::mouseClick(d.OK(), Qt::LeftButton);
    });
    EXPECT_FALSE(h.calib.running);
    EXPECT_EQ(Limits().MinX, 0);
    EXPECT_EQ(Limits().MaxX, 400);
    EXPECT_EQ(Limits().MaxY, 512) << "Y did not move";
    EXPECT_EQ(Limits().MinY, -512);
    EXPECT_EQ(Limits().MinTurn, -250);
    EXPECT_EQ(Limits().MaxTurn, 300);
    EXPECT_EQ(h.app.model.axes.Turn().centre, 25);

    Tick(400, 0, 0);
    EXPECT_EQ(h.app.model.axes.AxisX, 512) << "centre 200, scale 2.56";
}

TEST_F(CalibrationDialogTest, CancelCommitsNothingAndTheNextOpeningStartsFromZero) {
    CalibrationDialog* first = nullptr;
    WhileOpen([&](CalibrationDialog& d) {
        first = &d;
        Tick(-300, 200, -100);
        h.calib.Fire();
        Tick(300, -200, 100);
        h.calib.Fire();
        d.Cancel()->click();
    });
    EXPECT_FALSE(h.calib.running);
    EXPECT_EQ(Limits().MaxX, 512);
    EXPECT_EQ(Limits().MinTurn, -512);
    Tick(300, 0, 0);
    EXPECT_EQ(h.app.model.axes.AxisX, 300) << "the engine's calibration is as it was";

    WhileOpen([&](CalibrationDialog& d) {
        EXPECT_EQ(&d, first) << "hidden between openings, not loaded again";
        EXPECT_EQ(h.app.model.CalibX.Min, 0);
        EXPECT_EQ(h.app.model.CalibX.Max, 0);
        Tick(0, 0, 0);
        h.calib.Fire();
        d.OK()->click();
    });
    EXPECT_EQ(Limits().MaxX, 512) << "nothing moved this time";
    EXPECT_EQ(Limits().MinY, -512);
}

// The stick stood to one side at the pause: that old reading must not become a limit that holds
// a direction at rest.
TEST_F(CalibrationDialogTest, WithTheEnginePausedThePreviewStandsStillAndOKKeepsTheLimits) {
    Tick(265, 0, 0);
    h.Controls().Send->click();
    h.Menus().TrayPause->trigger();
    h.Menus().TrayRestore->trigger();
    ASSERT_FALSE(h.ss.running);

    WhileOpen([&](CalibrationDialog& d) {
        h.calib.Fire();
        const QImage stick = d.Picture1()->Image();
        const QImage needle = d.Picture2()->Image();
        h.calib.Fire();
        h.calib.Fire();
        EXPECT_EQ(d.Picture1()->Image(), stick);
        EXPECT_EQ(d.Picture2()->Image(), needle);
        d.OK()->click();
    });
    EXPECT_EQ(Limits().MinX, -512) << "only samples read after the opening count";
    EXPECT_EQ(Limits().MaxX, 512);
    EXPECT_EQ(Limits().MaxY, 512);
    EXPECT_EQ(Limits().MinTurn, -512);
    h.Controls().Send->click();
    ASSERT_TRUE(h.ss.running) << "resumed";
    Tick(0, 0, 0);
    EXPECT_EQ(h.app.model.axes.AxisX, 0) << "the stick at rest reads as at rest";
}

TEST_F(CalibrationDialogTest, DrawsTheStickAndTheNeedleWhereThePreviewPutsThem) {
    WhileOpen([&](CalibrationDialog& d) {
        Tick(-400, -400, -400);
        h.calib.Fire();
        Tick(400, 400, 400);
        h.calib.Fire();
        Tick(200, 0, 200);
        h.calib.Fire();
        // Limits -400..400 give scale 1.28: the preview reads 256, 0 and 256.
        PictureBox& stick = *d.Picture1();
        const std::vector<PictureBox::Stroke> circle{{PictureBox::Shape::Circle, 767, 511, 35, 0,
                                                      stick.Strokes().front().fore, kRedPixel, 3}};
        EXPECT_EQ(stick.Strokes(), circle);
        EXPECT_EQ(At(stick, 767, 511), kRedPixel);
        EXPECT_EQ(At(stick, 767, 511 - 35), stick.Strokes().front().fore) << "the outline";
        EXPECT_EQ(At(stick, 511, 511), kForm);

        PictureBox& twist = *d.Picture2();
        const QRgb text = ColourFromValue(kButtonText, twist.palette()).rgb();
        const double tipY = std::pow(256 / 50.0, 2) + 60;
        const std::vector<PictureBox::Stroke> needle{
            {PictureBox::Shape::Line, 514, 950, 770, tipY, text, kRedPixel, 7},
            {PictureBox::Shape::Line, 514, 950, 770, tipY, kRedPixel, kRedPixel, 3}};
        EXPECT_EQ(twist.Strokes(), needle);
        // Across the middle of the needle: red core, a dark edge, then the background.
        const QPoint mid = Pixel(twist, 642, (950 + tipY) / 2);
        const QImage image = twist.Image();
        EXPECT_EQ(image.pixel(mid), kRedPixel);
        EXPECT_EQ(image.pixel(mid + QPoint(3, 0)), text);
        EXPECT_EQ(image.pixel(mid + QPoint(8, 0)), kForm);
        EXPECT_EQ(At(twist, 514, 100), kForm) << "no needle standing straight up";
        d.OK()->click();
    });
}

// Writes down the windows as they close or go.
class Unloads final : public QObject {
public:
    void Watch(QObject* window, const char* name) {
        names[window] = name;
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, [this, name] { log.push_back(name); });
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            log.push_back(names[watched]);
        }
        return false;
    }
    std::map<QObject*, std::string> names;
    std::vector<std::string> log;
};

TEST_F(CalibrationDialogTest, TheExitUnloadsItBeforeTheOtherWindows) {
    WhileOpen([](CalibrationDialog& d) { d.Cancel()->click(); });
    Unloads unloads;
    unloads.Watch(h.panel->findChild<CalibrationDialog*>(), "CalibrationDialog");
    unloads.Watch(h.panel->findChild<ProfileNameDialog*>(), "ProfileNameDialog");
    unloads.Watch(h.panel.get(), "ControlPanel");
    QTimer::singleShot(0, h.panel.get(), [&] { h.Controls().CancelButton->click(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(unloads.log,
              (std::vector<std::string>{"CalibrationDialog", "ProfileNameDialog", "ControlPanel"}));
    EXPECT_EQ(h.panel->findChild<CalibrationDialog*>(), nullptr);
}

TEST_F(CalibrationDialogTest, AnExitWhileItIsOpenEndsItWithoutCommitting) {
    QTimer::singleShot(0, h.panel.get(), [&] {
        WhileOpen([&](CalibrationDialog&) {
            Tick(400, 400, 400);
            h.calib.Fire();
            h.panel->TrayExit_Click();
        });
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(h.calib.running);
    EXPECT_EQ(Limits().MaxX, 512);
    EXPECT_EQ(h.panel->findChild<CalibrationDialog*>(), nullptr);
}

}  // namespace
}  // namespace qv
