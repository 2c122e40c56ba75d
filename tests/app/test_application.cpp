#include <gtest/gtest.h>

#include "FakeClock.h"
#include "FakePanel.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "StepTimerDriver.h"
#include "app/Application.h"
#include "model/Startup.h"

namespace qv {
namespace {

// The application on fakes and no window, its engine started for a hidden fake view.
class ApplicationOnFakes : public testing::Test {
protected:
    ApplicationOnFakes() {
        hid.AddController();
        ApplyStartupDefaults(app.model);
        app.link.FindTheHid();
        app.engine.AttachView(view);
        app.engine.StartEngine();
    }

    test::FakeClock clock;
    test::ScriptedHid hid{&clock};
    test::RecordingSink sink;
    test::StepTimerDriver cc;
    test::StepTimerDriver ss;
    test::FakePanel view;
    Application app{{.hid = hid, .clock = clock, .sink = sink, .ccDriver = &cc, .ssDriver = &ss}};
};

TEST_F(ApplicationOnFakes, ItsTimerTicksForTheAttachedViewAndNotOnceItHasGone) {
    const std::size_t reports = hid.featureReports.size();
    ss.Fire();
    EXPECT_EQ(hid.featureReports.size(), reports + 1) << "a tick asks the controller";
    app.engine.DetachView();
    ss.Fire();
    EXPECT_EQ(hid.featureReports.size(), reports + 1);
}

TEST_F(ApplicationOnFakes, ItsExitStepsStopTheTimersCloseTheOutputThenPlayTheLampsAndClose) {
    hid.present.front().waiting.push_back({1, 0, 0, 0, 0, 0x01, 0});
    ss.Fire();
    ASSERT_EQ(sink.KeyDowns().size(), 1u) << "button 1 holds its key down";

    app.StopTimers();
    EXPECT_FALSE(ss.running);
    EXPECT_FALSE(cc.running);
    app.CloseOutput();
    EXPECT_EQ(sink.closeCount, 1) << "closing the output lets go of the held key";
    EXPECT_EQ(hid.closed, 0);
    const std::size_t reports = hid.featureReports.size();
    app.PlayExitLampsAndCloseDevice();
    EXPECT_EQ(hid.featureReports.size(), reports + 9) << "the exit's lamp sequence";
    EXPECT_EQ(hid.closed, 1);
}

}  // namespace
}  // namespace qv
