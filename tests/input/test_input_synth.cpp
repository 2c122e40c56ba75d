#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <set>

#include "FakeClock.h"
#include "RecordingSink.h"
#include "input/InputSynth.h"

namespace qv {
namespace {

using namespace std::chrono_literals;

InputRecord Mouse(uint32_t flags, int32_t mouseData = 0, int32_t dx = 0, int32_t dy = 0) {
    return {InputType::Mouse, 0, 0, flags, dx, dy, mouseData};
}

InputRecord Key(uint16_t vk, uint16_t scan, uint32_t flags) {
    return {InputType::Keyboard, vk, scan, flags, 0, 0, 0};
}

class InputSynthTest : public ::testing::Test {
protected:
    InputSynthTest() {
        delayTimer.SetFiringMode(PrecisionTimer::OneShot);
        delayTimer.SetInterval(1000);
    }

    static bool IsMouseOrDelay(int code) {
        return code == 1 || code == 2 || (code >= 4 && code <= 6) || (code >= 136 && code <= 143);
    }

    test::FakeClock clock;
    PrecisionTimer delayTimer{clock};
    test::RecordingSink sink;
    PanelSettings settings;
    InputSynth synth{sink, settings, delayTimer};
};

TEST_F(InputSynthTest, MouseButtonCodesSendOneButtonEventAndCodeThreeIsAKey) {
    const struct {
        int32_t code;
        uint32_t down;
        uint32_t up;
    } buttons[] = {{1, 0x0002, 0x0004}, {2, 0x0008, 0x0010}, {4, 0x0020, 0x0040}};
    for (const auto& button : buttons) {
        sink.Clear();
        synth.SendKeyDown(button.code);
        synth.SendKeyUp(button.code);
        EXPECT_EQ(sink.records, (std::vector<InputRecord>{Mouse(button.down), Mouse(button.up)}))
            << "code " << button.code;
    }

    sink.Clear();
    synth.SendKeyDown(3);
    synth.SendKeyUp(3);
    EXPECT_EQ(sink.records, (std::vector<InputRecord>{Key(3, 0x46, 0), Key(3, 0x46, 2)}));
}

TEST_F(InputSynthTest, WheelCodesTurnOneNotchOnPressAndNothingOnRelease) {
    synth.SendKeyDown(5);
    synth.SendKeyUp(5);
    synth.SendKeyDown(6);
    synth.SendKeyUp(6);
    EXPECT_EQ(sink.records, (std::vector<InputRecord>{Mouse(0x0800, 120), Mouse(0x0800, -120)}));
}

TEST_F(InputSynthTest, DelayCodesArmTheDelayTimerAndSendNothing) {
    const int16_t delays[] = {1000, 750, 500, 250, 100, 50, 25, 10};
    for (int32_t code = 136; code <= 143; ++code) {
        delayTimer.SetEnabled(false);
        synth.SendKeyDown(code);
        EXPECT_EQ(delayTimer.Interval(), delays[code - 136]) << "code " << code;
        EXPECT_TRUE(delayTimer.Enabled()) << "code " << code;
        synth.SendKeyUp(code);
        EXPECT_TRUE(delayTimer.Enabled()) << "releasing a delay must not end it";
    }
    EXPECT_TRUE(sink.records.empty());
}

TEST_F(InputSynthTest, PressingADelayAgainWhileItRunsDoesNotLengthenIt) {
    synth.SendKeyDown(139);
    for (int tick = 0; tick < 24; ++tick) {
        clock.Advance(10ms);
        synth.SendKeyDown(139);
    }
    EXPECT_TRUE(delayTimer.Enabled());
    clock.Advance(10ms);
    EXPECT_FALSE(delayTimer.Enabled()) << "the delay ends 250 ms after its first press";

    synth.SendKeyDown(139);
    EXPECT_TRUE(delayTimer.Enabled()) << "an expired delay arms again";
}

TEST_F(InputSynthTest, KeysCarryTheirCodeScanCodeAndExtendedFlag) {
    synth.SendKeyDown(0x25);
    synth.SendKeyUp(0x25);
    synth.SendKeyDown(0x41);
    synth.SendKeyUp(0x41);
    synth.SendKeyDown(0xA3);
    synth.SendKeyDown(0xA2);
    synth.SendKeyDown(0);
    EXPECT_EQ(sink.records,
              (std::vector<InputRecord>{Key(0x25, 0x4B, 1), Key(0x25, 0x4B, 3), Key(0x41, 0x1E, 0),
                                        Key(0x41, 0x1E, 2), Key(0xA3, 0x1D, 1), Key(0xA2, 0x1D, 0),
                                        Key(0, 0, 0)}));
}

TEST_F(InputSynthTest, ExactlyTheSeventeenExtendedKeysCarryTheFlagOnPressAndRelease) {
    std::set<uint16_t> extended;
    for (int32_t code = 0; code <= 255; ++code) {
        if (IsMouseOrDelay(code)) {
            continue;
        }
        sink.Clear();
        synth.SendKeyDown(code);
        synth.SendKeyUp(code);
        ASSERT_EQ(sink.records.size(), 2u) << "code " << code;
        const auto& down = sink.records[0];
        const auto& up = sink.records[1];
        EXPECT_EQ(down.type, InputType::Keyboard);
        EXPECT_EQ(down.wVk, code);
        EXPECT_EQ(up.wVk, code);
        EXPECT_EQ(up.wScan, down.wScan);
        EXPECT_EQ(up.dwFlags, down.dwFlags + 2) << "code " << code;
        if (down.dwFlags == 1) {
            extended.insert(static_cast<uint16_t>(code));
        } else {
            EXPECT_EQ(down.dwFlags, 0u) << "code " << code;
        }
    }
    EXPECT_EQ(extended, (std::set<uint16_t>{0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D,
                                            0x2E, 0x5B, 0x5C, 0x5D, 0x6C, 0x6F, 0xA3, 0xA5}));
}

TEST_F(InputSynthTest, CodesOutsideTheVirtualKeyRangeDoNothing) {
    for (int32_t code : {-1, 256, 257, 136 + 256, 1 + 256, std::numeric_limits<int32_t>::min(),
                         std::numeric_limits<int32_t>::max()}) {
        synth.SendKeyDown(code);
        synth.SendKeyUp(code);
    }
    EXPECT_TRUE(sink.records.empty());
    EXPECT_FALSE(delayTimer.Enabled());
}

TEST_F(InputSynthTest, StandardTimerDividesMotionByFortyRoundingHalvesToEven) {
    settings.chkCCTIMER = 0;
    const struct {
        int16_t axis;
        int32_t step;
    } cases[] = {{511, 13}, {100, 2}, {60, 2},     {20, 0}, {-100, -2},
                 {-60, -2}, {-20, 0}, {-512, -13}, {59, 1}, {61, 2}};
    for (int freq : {1, 5, 10}) {
        settings.Freq = freq;
        for (const auto& c : cases) {
            sink.Clear();
            synth.SendMouseMove(c.axis, 0);
            synth.SendMouseMove(0, c.axis);
            EXPECT_EQ(sink.records, (std::vector<InputRecord>{Mouse(0x0001, 0, c.step, 0),
                                                              Mouse(0x0001, 0, 0, c.step)}))
                << "axis " << c.axis << " freq " << freq;
        }
    }
}

TEST_F(InputSynthTest, HighPrecisionTimerDivisorFallsByTwentyPerMillisecond) {
    settings.chkCCTIMER = 1;
    for (int freq = 1; freq <= 10; ++freq) {
        settings.Freq = freq;
        const int divisor = 220 - 20 * (freq - 1);
        // Half a divisor rounds down to 0 and one and a half up to 2 only at this exact divisor.
        const int16_t axes[] = {static_cast<int16_t>(divisor / 2),
                                static_cast<int16_t>(divisor * 3 / 2)};
        sink.Clear();
        synth.SendMouseMove(axes[0], axes[1]);
        synth.SendMouseMove(static_cast<int16_t>(-axes[1]), static_cast<int16_t>(-axes[0]));
        EXPECT_EQ(sink.records,
                  (std::vector<InputRecord>{Mouse(0x0001, 0, 0, 2), Mouse(0x0001, 0, -2, 0)}))
            << "freq " << freq;
    }

    settings.Freq = 5;
    sink.Clear();
    synth.SendMouseMove(511, 70);
    synth.SendMouseMove(210, 0);
    EXPECT_EQ(sink.records,
              (std::vector<InputRecord>{Mouse(0x0001, 0, 4, 0), Mouse(0x0001, 0, 2, 0)}));
}

TEST_F(InputSynthTest, MotionIsSentEvenWhenItRoundsToNothing) {
    synth.SendMouseMove(0, 0);
    synth.SendMouseMove(19, -20);
    EXPECT_EQ(sink.records, (std::vector<InputRecord>{Mouse(0x0001), Mouse(0x0001)}));
}

}  // namespace
}  // namespace qv
