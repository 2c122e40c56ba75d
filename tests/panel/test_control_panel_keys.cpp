#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "PanelHarness.h"
#include "keys/AssignmentDialog.h"

namespace qv {
namespace {

constexpr uint8_t kMode0 = 0x10, kMode1 = 0x20;
constexpr int kB = 66;

// Report bytes 1..6 with the buttons of byte 5 and the mode switch.
test::Bytes Report(uint8_t buttons, uint8_t mode) {
    return {0, 0, 0, 0, 0, buttons, mode};
}

// The started panel over the scripted controller; its standard timer stepped by hand.
class PanelKeys : public ::testing::Test {
protected:
    PanelKeys() { h.Start(); }

    void Tick(const test::Bytes& report) {
        h.hid.present.front().waiting.push_back(report);
        h.ss.Fire();
    }
    test::Bytes LastLamps() const { return h.hid.featureReports.back().bytes; }
    // Clicks slot button `slot`; `whileOpen` runs with the dialog shown and closes it.
    void ClickSlot(int slot, const std::function<void(AssignmentDialog&)>& whileOpen) {
        QTimer::singleShot(0, [whileOpen] {
            auto* keys = qobject_cast<AssignmentDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(keys, nullptr);
            keys->Timer1_Timer();
            whileOpen(*keys);
        });
        QTest::mouseClick(h.Controls().btnKEY[slot], Qt::LeftButton);
    }

    test::PanelHarness h;
    Model& model = h.app.model;
};

// The slot's lamps light while the dialog is open and the engine goes on ticking: the panel
// previews, nothing is sent, and the dialog keeps the mode it was opened in. Once the panel is
// hidden, the button sends what the dialog stored.
TEST_F(PanelKeys, SlotButtonEditsTheSlotWhileTheEngineTicks) {
    Tick(Report(0, kMode0));
    ClickSlot(7, [&](AssignmentDialog& keys) {
        EXPECT_EQ(LastLamps(), (test::Bytes{1, 0x56, 0x15}));
        Tick(Report(0x01, kMode1));
        EXPECT_EQ(model.Mode, 1);
        EXPECT_TRUE(model.SlotActive[7]);
        Tick(Report(0, kMode1));
        QTest::mouseClick(keys.Controls().VK[kB], Qt::LeftButton);
        QTest::mouseClick(keys.Controls().btnOK, Qt::LeftButton);
    });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(LastLamps(), (test::Bytes{1, 0x55, 0x15}));
    EXPECT_FALSE(h.Controls().btnKEY[7]->isChecked());
    // The panel's focus, for when the desktop hands it back the activation.
    EXPECT_EQ(h.panel->focusWidget(), h.Controls().Send);
    EXPECT_EQ(model.KeyMap[0][7][1], kB);
    EXPECT_EQ(model.KeyMap[1][7][1], '1');
    EXPECT_TRUE(h.sink.KeyDowns().empty());

    h.panel->Send_Click();
    Tick(Report(0, kMode0));
    Tick(Report(0x01, kMode0));
    EXPECT_EQ(h.sink.KeyDowns(), std::vector<uint16_t>{kB});
}

TEST_F(PanelKeys, CancelKeepsTheKeysButTakesTheFunctionText) {
    Tick(Report(0, kMode1));
    const Model before = model;
    ClickSlot(9, [&](AssignmentDialog& keys) {
        keys.Controls().txtKeyFunction->setText("Jump Jet");
        QTest::mouseClick(keys.Controls().VK[kB], Qt::LeftButton);
        QTest::mouseClick(keys.Controls().btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(LastLamps(), (test::Bytes{1, 0x55, 0x15}));
    EXPECT_EQ(model.KeyMap, before.KeyMap);
    EXPECT_EQ(model.KeyLabel[1][9], "Jump Jet");
    EXPECT_EQ(model.KeyLabel[0][9], before.KeyLabel[0][9]);
    EXPECT_FALSE(h.Controls().btnKEY[9]->isChecked());
    Tick(Report(0, kMode1));
    EXPECT_EQ(h.Controls().btnKEY[9]->text(), "Jump Jet");
}

TEST_F(PanelKeys, EverySlotButtonOpensItsOwnSlot) {
    h.Controls().chkWalk->SetValue(1);
    Tick(Report(0, kMode1));
    for (int slot = 0; slot < kSlots; ++slot) {
        QTimer::singleShot(0, [slot] {
            auto* keys = qobject_cast<AssignmentDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(keys, nullptr) << slot;
            EXPECT_EQ(keys->Editor().CurButton, slot);
            EXPECT_EQ(keys->Editor().CurSlider, 1);
            keys->reject();
        });
        h.Controls().btnKEY[slot]->click();
        EXPECT_FALSE(h.Controls().btnKEY[slot]->isChecked()) << slot;
    }
}

// An exit while the dialog is open closes it like Cancel, and nothing reaches the controller
// after its exit sequence.
TEST_F(PanelKeys, ExitWhileTheDialogIsOpenClosesItWithoutStoring) {
    const Model before = model;
    std::size_t reportsAtExit = 0;
    ClickSlot(9, [&](AssignmentDialog& keys) {
        QTest::mouseClick(keys.Controls().VK[kB], Qt::LeftButton);
        h.panel->TrayExit_Click();
        reportsAtExit = h.hid.featureReports.size();
    });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(h.panel->KeyDialog().isVisible());
    EXPECT_EQ(h.hid.featureReports.size(), reportsAtExit);
    EXPECT_EQ(model.KeyMap, before.KeyMap);
}

}  // namespace
}  // namespace qv
