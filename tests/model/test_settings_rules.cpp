#include "model/SettingsRules.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using P = PanelSettings;

// The rules over the settings as start-up leaves them: the walk zone on the dead zone.
struct Rules : ::testing::Test {
    Rules() {
        values.MidDeadZone = values.DeadZone;
        rules.Changed = [this] { ++changes; };
    }

    PanelSettings values;
    SettingsRules rules{values};
    int changes = 0;
};

TEST_F(Rules, WithWalkOffTheWalkZoneFollowsTheDeadZoneBothWays) {
    rules.Drag(&P::DeadZone, 180);
    EXPECT_EQ(values.MidDeadZone, 180) << "live while the thumb is dragged";
    EXPECT_FALSE(rules.TakeFocusRequest()) << "dragging moves no focus";
    rules.Commit(&P::DeadZone, 180);
    EXPECT_TRUE(rules.TakeFocusRequest()) << "letting go is the change";
    rules.Set(&P::DeadZone, 60);
    EXPECT_EQ(values.MidDeadZone, 60);
}

TEST_F(Rules, WithWalkOnTheWalkZoneIsPushedUpButNeverPulledDown) {
    rules.Commit(&P::chkWalk, 1);
    EXPECT_EQ(values.MidDeadZone, 256) << "nothing parked yet: the first walk zone";
    EXPECT_TRUE(rules.States().MidDeadZone);
    EXPECT_TRUE(rules.States().walk);
    rules.Set(&P::DeadZone, 300);
    EXPECT_EQ(values.MidDeadZone, 300);
    rules.Set(&P::DeadZone, 200);
    EXPECT_EQ(values.MidDeadZone, 300);
    rules.Set(&P::MidDeadZone, 150);
    EXPECT_EQ(values.DeadZone, 150) << "the walk zone pulls the dead zone down";
    rules.Drag(&P::MidDeadZone, 120);
    EXPECT_EQ(values.DeadZone, 120);
}

TEST_F(Rules, WalkOffParksTheWalkZoneAndWalkOnBringsItBack) {
    rules.Commit(&P::chkWalk, 1);
    rules.Set(&P::MidDeadZone, 400);
    rules.Commit(&P::chkWalk, 0);
    EXPECT_EQ(values.MidDeadZone, 100);
    EXPECT_FALSE(rules.States().MidDeadZone);
    EXPECT_FALSE(rules.States().walk);
    rules.Set(&P::DeadZone, 450);
    EXPECT_EQ(values.MidDeadZone, 450);
    rules.Commit(&P::chkWalk, 1);
    EXPECT_EQ(values.MidDeadZone, 400);
    EXPECT_EQ(values.DeadZone, 400) << "pulled down to the walk zone brought back";
}

TEST_F(Rules, SimulateMousePutsWalkAsideAndRestoresIt) {
    rules.Commit(&P::chkWalk, 1);
    rules.Set(&P::MidDeadZone, 320);
    rules.Commit(&P::chkSimMouse, 1);
    EXPECT_FALSE(rules.States().directions);
    EXPECT_FALSE(rules.States().directionsShown);
    EXPECT_EQ(values.chkWalk, 0);
    EXPECT_FALSE(rules.States().chkWalk);
    EXPECT_EQ(values.MidDeadZone, 100);

    rules.Commit(&P::chkSimMouse, 0);
    EXPECT_TRUE(rules.States().directions);
    EXPECT_TRUE(rules.States().directionsShown);
    EXPECT_EQ(values.chkWalk, 1);
    EXPECT_TRUE(rules.States().chkWalk);
    EXPECT_EQ(values.MidDeadZone, 320);

    rules.Commit(&P::chkWalk, 0);
    rules.Commit(&P::chkSimMouse, 1);
    rules.Commit(&P::chkSimMouse, 0);
    EXPECT_EQ(values.chkWalk, 0) << "walk off before stays off";
    rules.Commit(&P::chkWalk, 1);
    EXPECT_EQ(values.MidDeadZone, 320) << "and parked nothing";
}

TEST_F(Rules, GroupBoxesSwitchTheirControls) {
    rules.Commit(&P::chkSimMouse, 1);
    rules.Commit(&P::chkMovement, 0);
    EXPECT_FALSE(rules.States().chkSimMouse);
    EXPECT_FALSE(rules.States().DeadZone);
    EXPECT_FALSE(rules.States().directions);
    rules.Commit(&P::chkMovement, 1);
    EXPECT_TRUE(rules.States().chkSimMouse);
    EXPECT_TRUE(rules.States().directions);
    EXPECT_FALSE(rules.States().directionsShown) << "hidden by Simulate Mouse they stay hidden";

    rules.Commit(&P::chkAngles, 0);
    EXPECT_FALSE(rules.States().twist);
    EXPECT_FALSE(rules.States().DeadZone2);
    rules.Commit(&P::chkAngles, 1);
    EXPECT_TRUE(rules.States().DeadZone2);
}

TEST_F(Rules, TheGreyTwoCountsAsOnExceptForWalk) {
    rules.Set(&P::chkWalk, 1);
    rules.Set(&P::chkWalk, 2);
    EXPECT_FALSE(rules.States().MidDeadZone) << "2 is off for walk";
    EXPECT_EQ(values.MidDeadZone, values.DeadZone);
    rules.Set(&P::chkAngles, 0);
    rules.Set(&P::chkAngles, 2);
    EXPECT_TRUE(rules.States().DeadZone2);
    rules.Set(&P::chkSimMouse, 2);
    EXPECT_FALSE(rules.States().directionsShown);
    rules.Set(&P::chkMovement, 0);
    rules.Set(&P::chkMovement, 2);
    EXPECT_TRUE(rules.States().DeadZone);
}

TEST_F(Rules, HandlersAskForTheFocusAsDesigned) {
    rules.Commit(&P::chkMovement, 0);
    EXPECT_FALSE(rules.TakeFocusRequest()) << "movement leaves the focus alone";
    rules.Set(&P::MidDeadZone, 300);
    EXPECT_FALSE(rules.TakeFocusRequest()) << "so does a disabled walk zone";
    rules.Set(&P::DeadZone2, 300);
    EXPECT_TRUE(rules.TakeFocusRequest());
    EXPECT_FALSE(rules.TakeFocusRequest()) << "taken once";
    rules.Drag(&P::Freq, 3);
    EXPECT_TRUE(rules.TakeFocusRequest()) << "the period's scroll asks too";
    rules.Set(&P::DeadZone2, 300);
    EXPECT_FALSE(rules.TakeFocusRequest()) << "the same value runs no handler";
}

TEST_F(Rules, ACascadeIsMirroredOnceAndTheTimerBoxHasItsOwnHandler) {
    int timerClicks = 0;
    rules.TimerBoxClicked = [&timerClicks] { ++timerClicks; };
    rules.Commit(&P::chkWalk, 1);
    EXPECT_EQ(changes, 1) << "walk, walk zone and dead zone in one go";
    rules.Set(&P::chkCCTIMER, 1);
    rules.Set(&P::chkCCTIMER, 1);
    EXPECT_EQ(timerClicks, 1);
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace qv
