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
    const PanelSettings& s = h.model.settings;
    EXPECT_EQ(s.chkMovement, h.c().chkMovement->Value());
    EXPECT_EQ(s.chkAngles, h.c().chkAngles->Value());
    EXPECT_EQ(s.chkWalk, h.c().chkWalk->Value());
    EXPECT_EQ(s.chkSimMouse, h.c().chkSimMouse->Value());
    EXPECT_EQ(s.chkCCTIMER, h.c().chkCCTIMER->Value());
    EXPECT_EQ(s.DeadZone, h.c().DeadZone->value());
    EXPECT_EQ(s.MidDeadZone, h.c().MidDeadZone->value());
    EXPECT_EQ(s.DeadZone2, h.c().DeadZone2->value());
    EXPECT_EQ(s.Freq, h.c().Freq->value());
}

TEST(DeadZone, DraggedWithWalkOffCarriesTheWalkZoneAlong) {
    PanelHarness h;
    h.Start();
    EXPECT_EQ(h.c().MidDeadZone->value(), 100) << "start-up makes the walk zone the dead zone";

    h.c().DeadZone->setSliderDown(true);
    h.c().DeadZone->setSliderPosition(180);
    EXPECT_EQ(h.c().MidDeadZone->value(), 180) << "the walk zone follows while dragging";
    EXPECT_EQ(h.model.settings.DeadZone, 180) << "the engine sees the thumb where it stands";
    h.c().DeadZone->setSliderPosition(300);
    h.c().DeadZone->setSliderDown(false);
    EXPECT_EQ(h.c().MidDeadZone->value(), 300);
    ExpectSettingsMirrorControls(h);

    h.c().DeadZone->setValue(60);
    EXPECT_EQ(h.c().MidDeadZone->value(), 60) << "with walk off it follows downwards too";
    ExpectSettingsMirrorControls(h);
}

TEST(WalkZone, DraggedWithWalkOnPullsTheDeadZoneShownDown) {
    PanelHarness h;
    h.Start();
    h.c().chkWalk->click();
    EXPECT_TRUE(h.c().MidDeadZone->isEnabled());
    EXPECT_TRUE(h.c().btnKEY[kWalkSlot]->isEnabled());
    EXPECT_EQ(h.c().MidDeadZone->value(), 256);
    h.c().DeadZone->setValue(200);
    Drag(h.c().MidDeadZone, {180, 120});
    EXPECT_EQ(h.c().DeadZone->value(), 120);
    EXPECT_EQ(h.c().MidDeadZone->value(), 120);
    ExpectSettingsMirrorControls(h);
}

TEST(SimulateMouse, PutsWalkAsideAndRestoresIt) {
    PanelHarness h;
    h.Start();
    h.c().chkWalk->click();
    h.c().MidDeadZone->setValue(320);
    h.c().chkSimMouse->click();
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_TRUE(h.c().btnKEY[slot]->isHidden()) << slot;
        EXPECT_FALSE(h.c().btnKEY[slot]->isEnabled()) << slot;
    }
    EXPECT_EQ(h.c().chkWalk->Value(), 0);
    EXPECT_FALSE(h.c().chkWalk->isEnabled());
    EXPECT_EQ(h.c().MidDeadZone->value(), 100);
    ExpectSettingsMirrorControls(h);

    h.c().chkSimMouse->click();
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_FALSE(h.c().btnKEY[slot]->isHidden()) << slot;
        EXPECT_TRUE(h.c().btnKEY[slot]->isEnabled()) << slot;
    }
    EXPECT_EQ(h.c().chkWalk->Value(), 1);
    EXPECT_TRUE(h.c().chkWalk->isEnabled());
    EXPECT_EQ(h.c().MidDeadZone->value(), 320);
    ExpectSettingsMirrorControls(h);
}

TEST(Movement, OffDisablesItsControlsAndOnLeavesHiddenButtonsHidden) {
    PanelHarness h;
    h.Start();
    h.c().chkSimMouse->click();
    h.c().chkMovement->click();
    EXPECT_FALSE(h.c().chkSimMouse->isEnabled());
    EXPECT_FALSE(h.c().DeadZone->isEnabled());
    EXPECT_FALSE(h.c().btnKEY[2]->isEnabled());
    h.c().chkMovement->click();
    EXPECT_TRUE(h.c().chkSimMouse->isEnabled());
    EXPECT_TRUE(h.c().DeadZone->isEnabled());
    EXPECT_TRUE(h.c().btnKEY[2]->isEnabled());
    EXPECT_TRUE(h.c().btnKEY[2]->isHidden());
}

TEST(Twist, OffDisablesItsButtonsAndDeadZone) {
    PanelHarness h;
    h.Start();
    h.c().chkAngles->click();
    EXPECT_FALSE(h.c().btnKEY[4]->isEnabled());
    EXPECT_FALSE(h.c().btnKEY[5]->isEnabled());
    EXPECT_FALSE(h.c().DeadZone2->isEnabled());
    h.c().chkAngles->click();
    EXPECT_TRUE(h.c().DeadZone2->isEnabled());
}

TEST(Frequency, LabelShowsTheValueWithASignBlank) {
    PanelHarness h;
    h.Start();
    EXPECT_EQ(h.c().Label4->text(), QStringLiteral("Engine Frequency =  5ms"));
    h.c().Freq->setEnabled(true);
    h.c().Freq->setValue(10);
    EXPECT_EQ(h.c().Label4->text(), QStringLiteral("Engine Frequency =  10ms"));
    h.c().Freq->setSliderDown(true);
    h.c().Freq->setSliderPosition(1);
    EXPECT_EQ(h.c().Label4->text(), QStringLiteral("Engine Frequency =  1ms"));
    h.c().Freq->setSliderDown(false);
    EXPECT_EQ(h.model.settings.Freq, 1);
}

TEST(Focus, HandlersGiveItToStartEngineOnlyWhileShown) {
    PanelHarness h;
    ASSERT_TRUE(h.panel->Form_Load());
    h.c().chkAngles->SetValue(0);
    h.c().DeadZone->setValue(200);
    EXPECT_EQ(h.panel->focusWidget(), nullptr) << "a hidden panel moves no focus";

    h.panel->show();
    h.c().CancelButton->setFocus();
    h.c().chkMovement->click();
    EXPECT_EQ(h.panel->focusWidget(), h.c().CancelButton) << "movement moves no focus";
    h.c().chkAngles->click();
    EXPECT_EQ(h.panel->focusWidget(), h.c().Send);
    h.c().CancelButton->setFocus();
    h.c().MidDeadZone->setValue(300);
    EXPECT_EQ(h.panel->focusWidget(), h.c().CancelButton) << "a disabled walk zone keeps it";
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
    h.panel->findChild<ProfileNameDialog*>()->setNextAnswer(QString::fromUtf8(name));
    h.m().menLoad->trigger();
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
        EXPECT_EQ(h.c().chkWalk->Value(), 1) << after;
        EXPECT_TRUE(h.c().chkWalk->isEnabled()) << after;
        EXPECT_EQ(h.c().MidDeadZone->value(), 300) << after;
        EXPECT_EQ(h.c().DeadZone->value(), 120) << after;
        EXPECT_TRUE(h.c().MidDeadZone->isEnabled()) << after;
        EXPECT_FALSE(h.c().btnKEY[0]->isHidden()) << after;
    };
    const auto expectMouse = [&h](const char* after) {
        EXPECT_EQ(h.c().chkWalk->Value(), 0) << after;
        EXPECT_FALSE(h.c().chkWalk->isEnabled()) << after;
        EXPECT_EQ(h.c().MidDeadZone->value(), 100) << after;
        EXPECT_TRUE(h.c().btnKEY[0]->isHidden()) << after;
    };
    LoadProfile(h, "walk.qv1");
    expectWalk("a fresh start");
    LoadProfile(h, "walk.qv1");
    expectWalk("the same profile");
    LoadProfile(h, "mouse.qv1");
    expectMouse("the walking one");
    h.c().chkSimMouse->click();
    EXPECT_EQ(h.c().chkWalk->Value(), 0) << "the mouse profile's walk, not the one before";
    h.c().chkSimMouse->click();
    LoadProfile(h, "walk.qv1");
    expectWalk("the mouse one");
    ExpectSettingsMirrorControls(h);
}

TEST(Pages, AClickOpensThePageClicked) {
    PanelHarness h;
    h.Start();
    QTest::mouseClick(h.c().lblButton[2], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(h.model.Pages.PanelTop, PageLayout(3).PanelTop);
    EXPECT_EQ(h.model.Pages.PanelHeight, PageLayout(3).PanelHeight);
    QTest::mouseClick(h.c().lblButton[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(h.model.Pages.PanelHeight, PageLayout(2).PanelHeight);
}

}  // namespace
}  // namespace qv
