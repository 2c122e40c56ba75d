#include <gtest/gtest.h>

#include "FakeClock.h"
#include "model/Startup.h"

namespace qv {
namespace {

TEST(Startup, DefaultsLeaveTheEngineUnreadyWithWalkZoneAndCalibrationSet) {
    Model model;
    model.EngineReady = true;
    model.Pages = PageLayout(3);
    model.settings.DeadZone = 130;
    ApplyStartupDefaults(model);

    EXPECT_FALSE(model.EngineReady);
    EXPECT_EQ(model.Pages.PanelTop, PageLayout(1).PanelTop);
    EXPECT_EQ(model.Pages.PanelHeight, PageLayout(1).PanelHeight);
    EXPECT_EQ(model.settings.MidDeadZone, 130);
    EXPECT_EQ(model.KeyMap[2][33][1], 0x7D);
    const CalibrationLimits& limits = model.axes.Limits;
    EXPECT_EQ(limits.MaxX, 512);
    EXPECT_EQ(limits.MinTurn, -512);
    for (const AxisScale* axis : {&model.axes.X(), &model.axes.Y(), &model.axes.Turn()}) {
        EXPECT_EQ(axis->range, 1024);
        EXPECT_EQ(axis->centre, 0);
        EXPECT_DOUBLE_EQ(axis->scale, 1.0);
    }
}

TEST(Startup, TimerObjectsAreCreatedDisabledWithTheirModesAndIntervals) {
    test::FakeClock clock;
    PrecisionTimer ccTimer(clock);
    PrecisionTimer delayTimer(clock);
    delayTimer.SetInterval(250);
    delayTimer.SetEnabled(true);
    SetTimerCreationValues(ccTimer, delayTimer);

    EXPECT_FALSE(ccTimer.Enabled());
    EXPECT_EQ(ccTimer.FiringMode(), PrecisionTimer::Periodic);
    EXPECT_EQ(ccTimer.Interval(), 10);
    EXPECT_EQ(ccTimer.TuningValue(), 10);
    EXPECT_FALSE(delayTimer.Enabled());
    EXPECT_EQ(delayTimer.FiringMode(), PrecisionTimer::OneShot);
    EXPECT_EQ(delayTimer.Interval(), 1000);
    EXPECT_EQ(delayTimer.TuningValue(), 10);
}

}  // namespace
}  // namespace qv
