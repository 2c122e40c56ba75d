#include "panel/TrayMenuState.h"

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "StepTimerDriver.h"

namespace qv {
namespace {

// The two engine timers, as the engine start leaves them, under the tray menu's state.
struct TrayMenu : ::testing::Test {
    TrayMenu() {
        cc.SetInterval(10);
        ss.SetInterval(10);
        tray.Changed = [this] { ++changes; };
        StartEngine();
    }
    // As the panel's load step starts the engine.
    void StartEngine() {
        tray.FollowTimerBox();
        timers.StartChosenTimer();
    }
    bool Running(const PrecisionTimer& timer) const { return timer.Enabled(); }

    test::FakeClock clock;
    test::StepTimerDriver ccDriver;
    test::StepTimerDriver ssDriver;
    PrecisionTimer cc{clock, &ccDriver};
    PrecisionTimer ss{clock, &ssDriver};
    PanelSettings settings;
    EngineTimers timers{cc, ss, settings};
    TrayMenuState tray{timers, settings};
    int changes = 0;
};

TEST_F(TrayMenu, TheEngineStartRunsTheChosenTimerAndShowsTheChoice) {
    EXPECT_TRUE(Running(ss));
    EXPECT_FALSE(Running(cc));
    EXPECT_FALSE(tray.FreqEnabled());
    EXPECT_FALSE(tray.HighPrecisionChecked());
    EXPECT_GT(changes, 0) << "the panel mirrors it";

    settings.chkCCTIMER = 2;
    StartEngine();
    EXPECT_TRUE(Running(ss)) << "the grey 2 chooses nothing";
    EXPECT_FALSE(tray.FreqEnabled());

    settings.chkCCTIMER = 1;
    StartEngine();
    EXPECT_TRUE(tray.FreqEnabled());
    EXPECT_TRUE(tray.HighPrecisionChecked());
}

TEST_F(TrayMenu, PauseStopsBothAndResumeRunsTheChosenOne) {
    tray.StartClicked();
    tray.GoToTray();
    tray.TogglePause();
    EXPECT_TRUE(timers.Paused());
    EXPECT_STREQ(tray.PauseCaption(), "Resume Engine");
    EXPECT_FALSE(Running(ss));
    EXPECT_FALSE(Running(cc));

    settings.chkCCTIMER = 1;
    tray.TogglePause();
    EXPECT_STREQ(tray.PauseCaption(), "Pause Engine");
    EXPECT_TRUE(Running(cc));
    EXPECT_FALSE(Running(ss));
}

TEST_F(TrayMenu, TheTimerBoxSwapsOnlyARunningTimer) {
    settings.chkCCTIMER = 1;
    tray.TimerBoxClicked();
    EXPECT_TRUE(Running(cc));
    EXPECT_FALSE(Running(ss));
    EXPECT_TRUE(tray.FreqEnabled());
    EXPECT_TRUE(tray.HighPrecisionChecked());

    tray.TogglePause();
    settings.chkCCTIMER = 0;
    tray.TimerBoxClicked();
    EXPECT_FALSE(Running(cc)) << "paused: the choice changes, nothing starts";
    EXPECT_FALSE(Running(ss));
    EXPECT_FALSE(tray.HighPrecisionChecked());

    settings.chkCCTIMER = 2;
    tray.TimerBoxClicked();
    EXPECT_FALSE(tray.HighPrecisionChecked()) << "the grey 2 leaves the checks";
}

TEST_F(TrayMenu, TheTrayTakesFreqsPeriodAndARestoreGoesBackToTen) {
    settings.chkCCTIMER = 1;
    settings.Freq = 3;
    EXPECT_FALSE(tray.MenuEnabled());
    tray.GoToTray();
    EXPECT_TRUE(tray.InTray());
    EXPECT_FALSE(tray.MenuEnabled()) << "a minimise opens no menu";
    EXPECT_EQ(cc.Interval(), 3);
    EXPECT_EQ(cc.TuningValue(), 3);
    EXPECT_TRUE(Running(cc));

    tray.Restore();
    EXPECT_FALSE(tray.InTray());
    EXPECT_EQ(cc.Interval(), 10);
    EXPECT_EQ(cc.TuningValue(), 10);
    EXPECT_TRUE(Running(cc)) << "the running timer previews";

    tray.TogglePause();
    tray.StartClicked();
    EXPECT_TRUE(tray.MenuEnabled());
    EXPECT_FALSE(timers.Paused()) << "Start Engine leaves pause";
    timers.StopTimers();
    EXPECT_FALSE(Running(cc));
    EXPECT_FALSE(Running(ss));
}

}  // namespace
}  // namespace qv
