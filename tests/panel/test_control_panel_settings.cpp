#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <functional>
#include <initializer_list>

#include "PanelHarness.h"
#include "model/Startup.h"
#include "profiles/ProfileNameDialog.h"
#include "profiles/ProfileWriter.h"

namespace qv {
namespace {

using test::PanelHarness;

// The user drags the thumb through `positions` and lets go.
void Drag(ScrollBar* bar, std::initializer_list<int> positions) {
    bar->setSliderDown(true);
    for (int position : positions) {
        bar->setSliderPosition(position);
    }
    bar->setSliderDown(false);
}

void ExpectSettingsMirrorControls(const PanelHarness& h) {
    const PanelSettings& s = h.app.model.settings;
    EXPECT_EQ(s.chkMovement, h.Controls().chkMovement->Value());
    EXPECT_EQ(s.chkAngles, h.Controls().chkAngles->Value());
    EXPECT_EQ(s.chkWalk, h.Controls().chkWalk->Value());
    EXPECT_EQ(s.chkSimMouse, h.Controls().chkSimMouse->Value());
    EXPECT_EQ(s.chkCCTIMER, h.Controls().chkCCTIMER->Value());
    EXPECT_EQ(s.DeadZone, h.Controls().DeadZone->value());
    EXPECT_EQ(s.MidDeadZone, h.Controls().MidDeadZone->value());
    EXPECT_EQ(s.DeadZone2, h.Controls().DeadZone2->value());
    EXPECT_EQ(s.Freq, h.Controls().Freq->value());
}

TEST(DeadZone, DraggedWithWalkOffCarriesTheWalkZoneAlong) {
    PanelHarness h;
    h.Start();
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 100)
        << "start-up makes the walk zone the dead zone";

    h.Controls().DeadZone->setSliderDown(true);
    h.Controls().DeadZone->setSliderPosition(180);
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 180) << "the walk zone follows while dragging";
    EXPECT_EQ(h.app.model.settings.DeadZone, 180) << "the engine sees the thumb where it stands";
    h.Controls().DeadZone->setSliderPosition(300);
    h.Controls().DeadZone->setSliderDown(false);
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 300);
    ExpectSettingsMirrorControls(h);

    h.Controls().DeadZone->setValue(60);
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 60) << "with walk off it follows downwards too";
    ExpectSettingsMirrorControls(h);
}

TEST(WalkZone, DraggedWithWalkOnPullsTheDeadZoneShownDown) {
    PanelHarness h;
    h.Start();
    h.Controls().chkWalk->click();
    EXPECT_TRUE(h.Controls().MidDeadZone->isEnabled());
    EXPECT_TRUE(h.Controls().btnKEY[kWalkSlot]->isEnabled());
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 256);
    h.Controls().DeadZone->setValue(200);
    Drag(h.Controls().MidDeadZone, {180, 120});
    EXPECT_EQ(h.Controls().DeadZone->value(), 120);
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 120);
    ExpectSettingsMirrorControls(h);
}

TEST(SimulateMouse, PutsWalkAsideAndRestoresIt) {
    PanelHarness h;
    h.Start();
    h.Controls().chkWalk->click();
    h.Controls().MidDeadZone->setValue(320);
    h.Controls().chkSimMouse->click();
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_TRUE(h.Controls().btnKEY[slot]->isHidden()) << slot;
        EXPECT_FALSE(h.Controls().btnKEY[slot]->isEnabled()) << slot;
    }
    EXPECT_EQ(h.Controls().chkWalk->Value(), 0);
    EXPECT_FALSE(h.Controls().chkWalk->isEnabled());
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 100);
    ExpectSettingsMirrorControls(h);

    h.Controls().chkSimMouse->click();
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_FALSE(h.Controls().btnKEY[slot]->isHidden()) << slot;
        EXPECT_TRUE(h.Controls().btnKEY[slot]->isEnabled()) << slot;
    }
    EXPECT_EQ(h.Controls().chkWalk->Value(), 1);
    EXPECT_TRUE(h.Controls().chkWalk->isEnabled());
    EXPECT_EQ(h.Controls().MidDeadZone->value(), 320);
    ExpectSettingsMirrorControls(h);
}

TEST(Movement, OffDisablesItsControlsAndOnLeavesHiddenButtonsHidden) {
    PanelHarness h;
    h.Start();
    h.Controls().chkSimMouse->click();
    h.Controls().chkMovement->click();
    EXPECT_FALSE(h.Controls().chkSimMouse->isEnabled());
    EXPECT_FALSE(h.Controls().DeadZone->isEnabled());
    EXPECT_FALSE(h.Controls().btnKEY[2]->isEnabled());
    h.Controls().chkMovement->click();
    EXPECT_TRUE(h.Controls().chkSimMouse->isEnabled());
    EXPECT_TRUE(h.Controls().DeadZone->isEnabled());
    EXPECT_TRUE(h.Controls().btnKEY[2]->isEnabled());
    EXPECT_TRUE(h.Controls().btnKEY[2]->isHidden());
}

TEST(Twist, OffDisablesItsButtonsAndDeadZone) {
    PanelHarness h;
    h.Start();
    h.Controls().chkAngles->click();
    EXPECT_FALSE(h.Controls().btnKEY[4]->isEnabled());
    EXPECT_FALSE(h.Controls().btnKEY[5]->isEnabled());
    EXPECT_FALSE(h.Controls().DeadZone2->isEnabled());
    h.Controls().chkAngles->click();
    EXPECT_TRUE(h.Controls().DeadZone2->isEnabled());
}

TEST(Frequency, LabelShowsTheValueWithASignBlank) {
    PanelHarness h;
    h.Start();
    EXPECT_EQ(h.Controls().Label4->text(), QStringLiteral("Engine Frequency =  5ms"));
    h.Controls().Freq->setEnabled(true);
    h.Controls().Freq->setValue(10);
    EXPECT_EQ(h.Controls().Label4->text(), QStringLiteral("Engine Frequency =  10ms"));
    h.Controls().Freq->setSliderDown(true);
    h.Controls().Freq->setSliderPosition(1);
    EXPECT_EQ(h.Controls().Label4->text(), QStringLiteral("Engine Frequency =  1ms"));
    h.Controls().Freq->setSliderDown(false);
    EXPECT_EQ(h.app.model.settings.Freq, 1);
}

TEST(Focus, HandlersGiveItToStartEngineOnlyWhileShown) {
    PanelHarness h;
    ASSERT_TRUE(h.panel->Form_Load());
    h.Controls().chkAngles->SetValue(0);
    h.Controls().DeadZone->setValue(200);
    EXPECT_EQ(h.panel->focusWidget(), nullptr) << "a hidden panel moves no focus";

    h.panel->show();
    h.Controls().CancelButton->setFocus();
    h.Controls().chkMovement->click();
    EXPECT_EQ(h.panel->focusWidget(), h.Controls().CancelButton) << "movement moves no focus";
    h.Controls().chkAngles->click();
    EXPECT_EQ(h.panel->focusWidget(), h.Controls().Send);
    h.Controls().CancelButton->setFocus();
    h.Controls().MidDeadZone->setValue(300);
    EXPECT_EQ(h.panel->focusWidget(), h.Controls().CancelButton) << "a disabled walk zone keeps it";
}

// Saves the panel's settings as `name` in its profile folder, with `set` applied to the defaults.
void SaveProfile(PanelHarness& h, const char* name,
                 const std::function<void(PanelSettings&)>& set) {
    Model model;
    ApplyStartupDefaults(model);
    set(model.settings);
    const ProfileWriteResult file = WriteProfile(model, model.settings);
    QFile out(h.folder.filePath(QString::fromUtf8(name)));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.bytes.data(), static_cast<qint64>(file.bytes.size()));
}

void LoadProfile(PanelHarness& h, const char* name) {
    h.panel->findChild<ProfileNameDialog*>()->SetNextAnswer(QString::fromUtf8(name));
    h.Menus().menLoad->trigger();
}

TEST(ProfileLoad, TheControlsShowExactlyTheProfilesWalkWhateverWasLoadedBefore) {
    PanelHarness h;
    h.Start();
    SaveProfile(h, "walk.qv1", [](PanelSettings& s) {
        s.DeadZone = 120;
        s.MidDeadZone = 300;
        s.chkWalk = 1;
    });
    SaveProfile(h, "mouse.qv1", [](PanelSettings& s) { s.chkSimMouse = 1; });
    const auto expectWalk = [&h](const char* after) {
        EXPECT_EQ(h.Controls().chkWalk->Value(), 1) << after;
        EXPECT_TRUE(h.Controls().chkWalk->isEnabled()) << after;
        EXPECT_EQ(h.Controls().MidDeadZone->value(), 300) << after;
        EXPECT_EQ(h.Controls().DeadZone->value(), 120) << after;
        EXPECT_TRUE(h.Controls().MidDeadZone->isEnabled()) << after;
        EXPECT_FALSE(h.Controls().btnKEY[0]->isHidden()) << after;
    };
    const auto expectMouse = [&h](const char* after) {
        EXPECT_EQ(h.Controls().chkWalk->Value(), 0) << after;
        EXPECT_FALSE(h.Controls().chkWalk->isEnabled()) << after;
        EXPECT_EQ(h.Controls().MidDeadZone->value(), 100) << after;
        EXPECT_TRUE(h.Controls().btnKEY[0]->isHidden()) << after;
    };
    LoadProfile(h, "walk.qv1");
    expectWalk("a fresh start");
    LoadProfile(h, "walk.qv1");
    expectWalk("the same profile");
    LoadProfile(h, "mouse.qv1");
    expectMouse("the walking one");
    h.Controls().chkSimMouse->click();
    EXPECT_EQ(h.Controls().chkWalk->Value(), 0) << "the mouse profile's walk, not the one before";
    h.Controls().chkSimMouse->click();
    LoadProfile(h, "walk.qv1");
    expectWalk("the mouse one");
    ExpectSettingsMirrorControls(h);
}

TEST(Pages, AClickOpensThePageClicked) {
    PanelHarness h;
    h.Start();
    QTest::mouseClick(h.Controls().lblButton[2], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(h.app.model.Pages.PanelTop, PageLayout(3).PanelTop);
    EXPECT_EQ(h.app.model.Pages.PanelHeight, PageLayout(3).PanelHeight);
    QTest::mouseClick(h.Controls().lblButton[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(h.app.model.Pages.PanelHeight, PageLayout(2).PanelHeight);
}

}  // namespace
}  // namespace qv
