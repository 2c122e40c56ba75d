#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <numeric>

#include "FakeClock.h"
#include "ScriptedHid.h"
#include "device/LampSequences.h"
#include "model/Model.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

class Lamps : public ::testing::Test {
protected:
    void SetUp() override {
        hid.AddController();
        ASSERT_TRUE(link.FindTheHid());
    }

    std::chrono::milliseconds TotalPause() const {
        return std::accumulate(clock.sleeps.begin(), clock.sleeps.end(), 0ms);
    }

    test::FakeClock clock;
    test::ScriptedHid hid{&clock};
    DeviceLink link{hid};
};

TEST_F(Lamps, StartupShowRunsRoundTheLampsInOneSecond) {
    PlayStartupShow(link, clock);
    EXPECT_THAT(hid.Timeline(),
                ElementsAre("report 02 10 10", "report 01 01 00", "pause 100", "report 01 04 00",
                            "pause 100", "report 01 10 00", "pause 100", "report 01 00 04",
                            "pause 100", "report 01 00 01", "pause 100", "report 01 40 00",
                            "pause 100", "report 01 00 00", "pause 400", "report 01 55 15"));
    EXPECT_EQ(TotalPause(), 1000ms);
}

TEST_F(Lamps, ExitSequenceCountsDownAndLeavesEveryLampOff) {
    PlayExitSequence(link, clock);
    EXPECT_THAT(hid.Timeline(),
                ElementsAre("report 01 55 05", "pause 100", "report 01 55 01", "pause 100",
                            "report 01 55 00", "pause 100", "report 01 15 00", "pause 100",
                            "report 01 05 00", "pause 100", "report 01 01 00", "pause 100",
                            "report 01 00 00", "pause 100", "report 01 55 15", "pause 200",
                            "report 01 00 00"));
    EXPECT_EQ(TotalPause(), 900ms);
}

TEST_F(Lamps, EditingASlotMarksItsButtonAndClosingRestoresIdle) {
    Model model;
    FillDefaults(model);
    for (int slot : {7, 22, 15, 0, 6, 13, 14, 33}) {
        ShowSlotLamp(link, model, slot);
    }
    ShowIdleLamps(link);
    EXPECT_THAT(hid.Timeline(),
                ElementsAre("report 01 56 15", "report 01 56 15", "report 01 55 25",
                            "report 01 00 00", "report 01 00 00", "report 01 00 00",
                            "report 01 00 00", "report 01 55 19", "report 01 55 15"));
    EXPECT_TRUE(clock.sleeps.empty());
}

}  // namespace
}  // namespace qv
