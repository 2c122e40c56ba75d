#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <set>

#include "PanelHarness.h"
#include "ui/PanelLook.h"

namespace qv {
namespace {

// Report bytes 1..6 for the stick pushed `x` to the right (0..511) and the buttons given.
test::Bytes Report(int x = 0, uint8_t buttons = 0, uint8_t shiftAndMode = 0x10) {
    return {
        0,           static_cast<uint8_t>(x & 0xFF), static_cast<uint8_t>(x >> 8), 0, 0, buttons,
        shiftAndMode};
}

// The started panel over the scripted controller, its standard timer stepped by hand.
class PanelPreview : public ::testing::Test {
protected:
    PanelPreview() { h.Start(); }

    void Tick(const test::Bytes& report) {
        h.hid.present.front().waiting.push_back(report);
        h.ss.Fire();
    }
    QColor Face(QWidget* control) const { return control->palette().color(QPalette::Button); }
    QColor SlotFace(int slot) const { return Face(h.Controls().btnKEY[slot]); }

    test::PanelHarness h;
    Model& model = h.app.model;
    test::RecordingSink& sink = h.sink;
};

TEST_F(PanelPreview, SlotColoursChangeOnTransitionsOnly) {
    Tick(Report(300));
    EXPECT_EQ(SlotFace(3), kActiveFace);
    Tick(Report(0, 0x01));
    EXPECT_EQ(SlotFace(3), kIdleFace);
    EXPECT_EQ(SlotFace(7), kActiveFace);

    // Released while the panel is in the tray: the button keeps its colour until it is pressed
    // and released again with the panel shown.
    h.panel->Send_Click();
    Tick(Report());
    h.panel->TrayRestore_Click();
    Tick(Report());
    EXPECT_EQ(SlotFace(7), kActiveFace);
    Tick(Report(0, 0x01));
    Tick(Report());
    EXPECT_EQ(SlotFace(7), kIdleFace);
    EXPECT_TRUE(sink.KeyDowns().empty());
}

TEST_F(PanelPreview, MouseModeColoursSimulateMouseAndLeavesDirectionsAlone) {
    h.Controls().chkSimMouse->SetValue(1);
    Tick(Report(300));
    EXPECT_EQ(Face(h.Controls().chkSimMouse), kActiveFace);
    EXPECT_EQ(SlotFace(3), kIdleFace);
    Tick(Report(50));
    EXPECT_EQ(Face(h.Controls().chkSimMouse), kIdleFace);

    h.Controls().chkMovement->SetValue(0);
    Tick(Report(300));
    EXPECT_EQ(Face(h.Controls().chkSimMouse), kIdleFace);
    EXPECT_TRUE(sink.records.empty());
}

TEST_F(PanelPreview, DirectionHeldWhileShownSendsNoKeyDownInTheTray) {
    Tick(Report(300));
    h.panel->Send_Click();
    Tick(Report(300));
    Tick(Report(300));
    EXPECT_TRUE(sink.KeyDowns().empty());
    // A stick that rises in the tray is pressed as usual.
    Tick(Report());
    sink.Clear();
    Tick(Report(300));
    EXPECT_EQ(sink.KeyDowns(), std::vector<uint16_t>{0x44});
}

TEST_F(PanelPreview, HeldShiftButtonWinsOverAClickOnAPage) {
    Tick(Report(0, 0, 0x11));
    h.panel->lblButton_Click(3);
    for (int t = 0; t < 20; ++t) {
        Tick(Report(0, 0, 0x11));
    }
    const auto& pages = h.Controls().lblButton;
    EXPECT_EQ(pages[0]->height(), 105);
    EXPECT_EQ(pages[2]->height(), 25);
    EXPECT_EQ(pages[2]->y(), 432);
}

// Whether no part of `control` lies outside a parent of it, so that all of it is on show.
bool WhollyShown(const QWidget* control) {
    for (const QWidget* parent = control->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (!parent->rect().contains(QRect(control->mapTo(parent, QPoint()), control->size()))) {
            return false;
        }
        if (parent->isWindow()) {
            break;
        }
    }
    return control->isVisible();
}

// Forty Tabs, each of which must move the focus to a control on show; answers where they went.
std::set<QWidget*> FortyTabs() {
    std::set<QWidget*> reached;
    for (int tab = 1; tab <= 40; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(WhollyShown(focused)) << "Tab " << tab;
        reached.insert(focused);
    }
    return reached;
}

// The buttons of a collapsed page are out of the Tab order: Tab would show no focus on them, and
// Space there would open a slot nobody can see. A page that collapses takes the focus off them.
TEST_F(PanelPreview, TabGoesOnlyToTheButtonsOfAnOpenPage) {
    const PanelControls& c = h.Controls();
    h.panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.panel.get()));
    std::set<QWidget*> reached = FortyTabs();
    EXPECT_TRUE(reached.contains(c.btnKEY[16])) << "page F1 is open";

    QTest::mouseClick(c.lblButton[1], Qt::LeftButton, {}, QPoint(5, 5));
    for (int t = 0; t < 20; ++t) {
        Tick(Report());
    }
    reached = FortyTabs();
    EXPECT_TRUE(reached.contains(c.btnKEY[22])) << "page F2 is open";
    EXPECT_FALSE(reached.contains(c.btnKEY[16])) << "page F1 is not";

    while (QApplication::focusWidget() != c.btnKEY[22]) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::mouseClick(c.lblButton[2], Qt::LeftButton, {}, QPoint(5, 5));
    for (int t = 0; t < 20; ++t) {
        Tick(Report());
        EXPECT_TRUE(WhollyShown(QApplication::focusWidget())) << "tick " << t;
    }
}

// The shown panel, rendered: shift button 2 held in mode 1.
TEST_F(PanelPreview, RenderedPanelFollowsShiftButtonAndMode) {
    model.KeyLabel[1][22] = "Airstrike";
    for (int t = 0; t < 20; ++t) {
        Tick(Report(0, 0, 0x22));
    }
    const PanelControls& c = h.Controls();
    EXPECT_EQ(c.btnKEY[22]->text(), "Airstrike");
    EXPECT_EQ(c.btnKEY[7]->text(), QString::fromStdString(model.KeyLabel[1][7]));

    const QImage shot = h.panel->centralWidget()->grab().toImage();
    const auto at = [&](QWidget* w, int x, int y) {
        return shot.pixelColor(w->mapTo(h.panel->centralWidget(), QPoint(x, y)));
    };
    EXPECT_EQ(at(c.lblButton[1], 3, 50), QColor(255, 0, 0));
    EXPECT_EQ(at(c.lblButton[0], 3, 20), QColor(95, 99, 114));
    const QRect inside = c.Slider->contentsRect();
    EXPECT_EQ(at(c.Slider, inside.center().x(), inside.center().y()), QColor(255, 0, 0));
    EXPECT_NE(at(c.Slider, inside.center().x(), inside.top() + 3), QColor(255, 0, 0));
    // The stick at rest: the circle's centre in the middle of the stick view.
    const QRect stick = c.Picture1->contentsRect();
    EXPECT_EQ(at(c.Picture1, stick.left() + stick.width() * 511 / 1030,
                 stick.top() + stick.height() * 511 / 1030),
              QColor(255, 0, 0));
}

}  // namespace
}  // namespace qv
