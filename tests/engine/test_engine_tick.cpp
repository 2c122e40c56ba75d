#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace qv::test {
namespace {

const Bytes kReport2{0x02, 0x10, 0x10};

void Pause(EngineHarness& h, bool paused) {
    if (h.engine.Timers.Paused() != paused) {
        h.engine.Timers.TogglePause();
    }
}

TEST(EngineTick, SendsReport2AndDecodesOnEveryTickWhateverThePanelShows) {
    EngineHarness h;
    struct State {
        bool visible;
        bool paused;
    };
    int x = 100;
    for (const State state :
         {State{false, false}, State{true, false}, State{false, true}, State{true, true}}) {
        h.panel.visible = state.visible;
        Pause(h, state.paused);
        h.hid.featureReports.clear();
        h.model.axes.SampleX.isNew = false;
        h.Tick({.x = ++x});
        ASSERT_EQ(h.hid.featureReports.size(), 1u);
        EXPECT_EQ(h.hid.featureReports[0].bytes, kReport2);
        EXPECT_TRUE(h.hid.present.front().waiting.empty());
        EXPECT_EQ(h.model.axes.AxisX, x);
        EXPECT_TRUE(h.model.axes.SampleX.isNew) << "the calibration dialog needs fresh samples";
        EXPECT_TRUE(h.model.EngineReady);
    }
}

TEST(EngineTick, OutputGoesOutOnlyWhileHiddenAndRunning) {
    EngineHarness h;
    const Controls pressed{.x = 300, .buttons = kButton1};
    for (const bool visible : {true, false}) {
        for (const bool paused : {false, true}) {
            if (!visible && !paused) {
                continue;
            }
            h.panel.visible = visible;
            Pause(h, paused);
            h.Tick(pressed);
            h.Tick(Controls{});
            EXPECT_TRUE(h.sink.records.empty()) << visible << " " << paused;
        }
    }
    h.panel.visible = false;
    Pause(h, false);
    h.Tick(pressed);
    EXPECT_EQ(h.TakeEvents(), (std::vector<std::string>{"+44", "+31"}));
}

TEST(EngineTick, AControllerReportingFasterThanTheTickIsNeverBehind) {
    EngineHarness h;
    auto& waiting = h.hid.present.front().waiting;
    const auto arrive = [&](int count, const Controls& c) {
        for (int i = 0; i < count; ++i) {
            waiting.push_back(EncodeReport(c));
        }
    };
    // Ten reports a tick, as a controller that reports every millisecond: each press and release
    // goes out on the tick after it happened, and a release behind a full queue is not lost.
    arrive(7, {});
    arrive(3, {.buttons = kButton1});
    h.Tick();
    EXPECT_EQ(h.TakeEvents(), (std::vector<std::string>{"+31"}));
    arrive(2, {.buttons = kButton1});
    arrive(8, {});
    h.Tick();
    EXPECT_EQ(h.TakeEvents(), (std::vector<std::string>{"-31"}));
    arrive(64, {.buttons = kButton1});
    arrive(1, {});
    h.Tick();
    EXPECT_TRUE(h.TakeEvents().empty()) << "a press shorter than a tick may be missed";
}

TEST(EngineTick, PreviewRunsAfterTheRefreshOnlyWhileShown) {
    EngineHarness h;
    h.panel.visible = true;
    h.Tick({.buttons = kButton1});
    EXPECT_EQ(h.panel.calls, (std::vector<std::string>{"Refresh"}));
    EXPECT_EQ(h.panel.colours, (std::vector<FakePanel::Colour>{{7, true}}));
    h.panel.visible = false;
    h.Tick({});
    EXPECT_EQ(h.panel.calls.size(), 1u) << "no refresh while hidden";
}

TEST(EngineTick, HighestShiftButtonDecidesSlotsAndPages) {
    EngineHarness h;
    h.Tick({.buttons = kButton2, .byte6 = kShift1 | kShift3});
    for (int s = kFirstButtonSlot; s < kSlots; ++s) {
        EXPECT_EQ(h.model.SlotActive[s], s == 29) << s;
    }
    EXPECT_EQ(h.model.PageFlag, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(h.model.Pages.PanelTop, PageLayout(3).PanelTop);

    h.Tick({.buttons = kButton1, .byte6 = kShift1 | kShift2});
    EXPECT_TRUE(h.model.SlotActive[22]);
    EXPECT_EQ(h.model.PageFlag, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(h.model.Pages.PanelHeight, PageLayout(2).PanelHeight);

    h.Tick({.buttons = kButton1});
    EXPECT_TRUE(h.model.SlotActive[7]);
    EXPECT_EQ(h.model.PageFlag, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(h.model.Pages.PanelHeight, PageLayout(2).PanelHeight)
        << "the page opened last stays open";
}

TEST(EngineTick, ButtonsThatIgnoreTheShiftAndTheModeSwitch) {
    EngineHarness h;
    h.Tick({.buttons = 0xC0, .byte6 = kShift2 | 0x08, .mode = 2});
    EXPECT_TRUE(h.model.SlotActive[13]);
    EXPECT_TRUE(h.model.SlotActive[14]);
    EXPECT_TRUE(h.model.SlotActive[15]);
    EXPECT_EQ(h.model.Mode, 2);
    h.Tick({.mode = -1});
    EXPECT_EQ(h.model.Mode, 2) << "no switch position keeps the mode";
    EXPECT_FALSE(h.model.SlotActive[13]);
    h.Tick({.mode = 1});
    EXPECT_EQ(h.model.Mode, 1);
    h.Tick({.mode = 0});
    EXPECT_EQ(h.model.Mode, 0);
}

TEST(TimerEvents, HighResolutionEventRunsATickOnlyWhenReady) {
    EngineHarness h;
    h.engine.ccTimer.SetEnabled(true);
    h.model.EngineReady = false;
    h.ccDriver.Fire();
    EXPECT_TRUE(h.hid.featureReports.empty());
    EXPECT_FALSE(h.model.EngineReady);

    h.model.EngineReady = true;
    h.ccDriver.Fire();
    EXPECT_EQ(h.hid.featureReports.size(), 1u);
    EXPECT_TRUE(h.model.EngineReady);

    h.model.EngineReady = false;
    h.engine.ssTimer.SetEnabled(true);
    h.ssDriver.Fire();
    EXPECT_EQ(h.hid.featureReports.size(), 2u) << "the standard timer has no guard";
}

TEST(StartEngine, StartsTheChosenTimerThenLoadsTheProfileThenPlaysTheLamps) {
    for (const int choice : {0, 1}) {
        EngineHarness h;
        h.model.settings.chkCCTIMER = choice;
        h.model.axes.AxisX = 50;
        h.model.Mode = 2;
        bool readyAtLoad = false;
        std::size_t reportsAtLoad = 99;
        h.panel.onLoadDefaultProfile = [&] {
            readyAtLoad = h.model.EngineReady;
            reportsAtLoad = h.hid.featureReports.size();
        };
        h.engine.StartEngine();

        EXPECT_EQ(h.model.axes.AxisX, 0);
        EXPECT_EQ(h.model.Mode, 0);
        EXPECT_EQ(h.engine.ccTimer.Enabled(), choice == 1);
        EXPECT_EQ(h.engine.ssTimer.Enabled(), choice == 0);
        EXPECT_EQ(h.ccDriver.running, choice == 1);
        EXPECT_EQ(h.ssDriver.running, choice == 0);
        EXPECT_EQ(h.ssDriver.period, std::chrono::milliseconds(choice == 0 ? 10 : 0));
        EXPECT_TRUE(h.panel.sendEnabled);
        EXPECT_EQ(h.panel.calls, (std::vector<std::string>{"FocusSend", "LoadDefaultProfile"}));
        EXPECT_TRUE(readyAtLoad);
        EXPECT_EQ(reportsAtLoad, 0u);
        EXPECT_EQ(h.hid.featureReports.size(), 9u) << "the start-up show follows the profile";
        EXPECT_TRUE(h.model.EngineReady);
    }
}

}  // namespace
}  // namespace qv::test
