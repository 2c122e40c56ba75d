#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "XWindowWatcher.h"
#include "XvfbServer.h"
#include "input/InputSynth.h"
#include "input/OpenInputSink.h"
#include "input/XTestSink.h"

namespace qv {
namespace {

using test::SeenEvent;
using Seen = std::vector<SeenEvent>;

// X key codes under the evdev rules: the Linux key code + 8.
constexpr unsigned kXKeyA = 30 + 8;
constexpr unsigned kXKeyLeftShift = 42 + 8;

class XTestSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (server.XDisplay().empty()) {
            GTEST_SKIP() << server.WhyNot();
        }
        watcher = std::make_unique<test::XWindowWatcher>(server.XDisplay());
        ASSERT_TRUE(watcher->Ok());
        std::string whyNot;
        sink = XTestSink::Create(server.XDisplay().c_str(), whyNot);
        ASSERT_NE(sink, nullptr) << whyNot;
        delayTimer.SetFiringMode(PrecisionTimer::OneShot);
        synth = std::make_unique<InputSynth>(*sink, settings, delayTimer);
    }

    test::XvfbServer server;
    std::unique_ptr<test::XWindowWatcher> watcher;
    std::unique_ptr<XTestSink> sink;
    test::FakeClock clock;
    PrecisionTimer delayTimer{clock};
    PanelSettings settings;
    std::unique_ptr<InputSynth> synth;
};

TEST_F(XTestSinkTest, KeysButtonsWheelAndMotionReachTheFocusedWindow) {
    synth->SendKeyDown(0x41);
    synth->SendKeyUp(0x41);
    synth->SendKeyDown(1);
    synth->SendKeyUp(1);
    synth->SendKeyDown(2);
    synth->SendKeyUp(2);
    synth->SendKeyDown(4);
    synth->SendKeyUp(4);
    synth->SendKeyDown(5);
    synth->SendKeyDown(6);
    synth->SendMouseMove(200, 120);

    EXPECT_EQ(watcher->Receive(13), (Seen{{SeenEvent::KeyDown, kXKeyA},
                                          {SeenEvent::KeyUp, kXKeyA},
                                          {SeenEvent::ButtonDown, 1, 100, 100},
                                          {SeenEvent::ButtonUp, 1, 100, 100},
                                          {SeenEvent::ButtonDown, 3, 100, 100},
                                          {SeenEvent::ButtonUp, 3, 100, 100},
                                          {SeenEvent::ButtonDown, 2, 100, 100},
                                          {SeenEvent::ButtonUp, 2, 100, 100},
                                          {SeenEvent::ButtonDown, 4, 100, 100},
                                          {SeenEvent::ButtonUp, 4, 100, 100},
                                          {SeenEvent::ButtonDown, 5, 100, 100},
                                          {SeenEvent::ButtonUp, 5, 100, 100},
                                          {SeenEvent::Moved, 0, 105, 103}}));
}

// CLEAR, SELECT and ZOOM lie beyond X key code 255 and are skipped without an error; F21 to F24
// and MEDIA LIBRARY arrive, as the README says.
TEST_F(XTestSinkTest, OnlyKeysBeyondTheServersRangeAreSkipped) {
    for (const int32_t skipped : {0x0C, 0x29, 0xFB}) {
        synth->SendKeyDown(skipped);
        synth->SendKeyUp(skipped);
    }
    for (const int32_t code : {0x84, 0x85, 0x86, 0x87, 0xB5, 0x41}) {
        synth->SendKeyDown(code);
    }
    constexpr auto down = SeenEvent::KeyDown;
    EXPECT_EQ(watcher->Receive(6), (Seen{{down, KEY_F21 + 8},
                                         {down, KEY_F22 + 8},
                                         {down, KEY_F23 + 8},
                                         {down, KEY_F24 + 8},
                                         {down, KEY_MEDIA + 8},
                                         {down, kXKeyA}}));
}

TEST_F(XTestSinkTest, CloseReleasesWhatIsStillHeldAndThenSendsNothing) {
    synth->SendKeyDown(0xA0);
    synth->SendKeyDown(0x41);
    synth->SendKeyUp(0x41);
    synth->SendKeyDown(1);
    ASSERT_EQ(watcher->Receive(4).size(), 4u);
    EXPECT_TRUE(watcher->KeyIsDown(kXKeyLeftShift));

    sink->Close();
    EXPECT_EQ(watcher->Receive(2),
              (Seen{{SeenEvent::KeyUp, kXKeyLeftShift}, {SeenEvent::ButtonUp, 1, 100, 100}}));
    EXPECT_FALSE(watcher->KeyIsDown(kXKeyLeftShift));

    synth->SendKeyDown(0x41);
    EXPECT_FALSE(watcher->KeyIsDown(kXKeyA));
}

TEST_F(XTestSinkTest, DestroyingTheSinkReleasesWhatIsStillHeld) {
    synth->SendKeyDown(0x41);
    ASSERT_EQ(watcher->Receive(1).size(), 1u);
    synth.reset();
    sink.reset();
    EXPECT_EQ(watcher->Receive(1), (Seen{{SeenEvent::KeyUp, kXKeyA}}));
}

TEST_F(XTestSinkTest, TheFactoryFallsBackToTheDisplayWhenUinputCantBeOpened) {
    std::string whyNot;
    const auto fallback =
        OpenInputSink("/nonexistent/uinput", server.XDisplay().c_str(), clock, whyNot);
    EXPECT_NE(dynamic_cast<XTestSink*>(fallback.get()), nullptr) << whyNot;
}

}  // namespace
}  // namespace qv
