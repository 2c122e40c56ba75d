#include "engine/TrayState.h"

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "StepTimerDriver.h"

namespace qv {
namespace {

// The two engine timers, as the engine start leaves them, under the tray state.
struct Tray : ::testing::Test {
    Tray() {
        cc.SetInterval(10);
        ss.SetInterval(10);
        tray.Changed = [this] { ++changes; };
        tray.StartChosenTimer();
    }
    bool Running(const PrecisionTimer& timer) const { return timer.Enabled(); }

    test::FakeClock clock;
    test::StepTimerDriver ccDriver;
    test::StepTimerDriver ssDriver;
    PrecisionTimer cc{clock, &ccDriver};
    PrecisionTimer ss{clock, &ssDriver};
    PanelSettings settings;
    TrayState tray{cc, ss, settings};
    int changes = 0;
};

TEST_F(Tray, TheEngineStartRunsTheChosenTimerAndShowsTheChoice) {
    EXPECT_TRUE(Running(ss));
    EXPECT_FALSE(Running(cc));
    EXPECT_FALSE(tray.FreqEnabled());
    EXPECT_FALSE(tray.HighPrecisionChecked());
    EXPECT_GT(changes, 0) << "the panel mirrors it";

    settings.chkCCTIMER = 2;
    tray.StartChosenTimer();
    EXPECT_TRUE(Running(ss)) << "the grey 2 chooses nothing";
    EXPECT_FALSE(tray.FreqEnabled());
}

TEST_F(Tray, PauseStopsBothAndResumeRunsTheChosenOne) {
    tray.StartClicked();
    tray.GoToTray();
    tray.TogglePause();
    EXPECT_TRUE(tray.Paused());
    EXPECT_STREQ(tray.PauseCaption(), "Resume Engine");
    EXPECT_FALSE(Running(ss));
    EXPECT_FALSE(Running(cc));

    settings.chkCCTIMER = 1;
    tray.TogglePause();
    EXPECT_STREQ(tray.PauseCaption(), "Pause Engine");
    EXPECT_TRUE(Running(cc));
    EXPECT_FALSE(Running(ss));
}

TEST_F(Tray, TheTimerBoxSwapsOnlyARunningTimer) {
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

TEST_F(Tray, TheTrayTakesFreqsPeriodAndARestoreGoesBackToTen) {
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
    EXPECT_FALSE(tray.Paused()) << "Start Engine leaves pause";
    tray.StopTimers();
    EXPECT_FALSE(Running(cc));
    EXPECT_FALSE(Running(ss));
}

}  // namespace
}  // namespace qv
