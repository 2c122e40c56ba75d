#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/Axes.h"

namespace qv {
namespace {

Axes DefaultAxes() {
    Axes axes;
    axes.Limits = {512, -512, 512, -512, 512, -512};
    axes.ApplyCalibration();
    return axes;
}

TEST(RawDecoding, XIsNotTwosComplement) {
    EXPECT_EQ(RawX(0xFF, 0b11), 0);
    EXPECT_EQ(RawX(0x00, 0b10), -511);
    EXPECT_EQ(RawX(0xFF, 0b01), 511);
    EXPECT_EQ(RawX(0x00, 0b11), -255);
    // Only bits 0..1 of the high byte belong to X.
    EXPECT_EQ(RawX(0xFF, 0xFD), 511);
}

TEST(RawDecoding, YRoundsHalfToEvenAndClampsAtTheEnds) {
    EXPECT_EQ(RawY(0x02, 0), 0);
    EXPECT_EQ(RawY(0x03, 0), 1);
    EXPECT_EQ(RawY(0x06, 0), 2);
    EXPECT_EQ(RawY(0x01, 0), 0);
    EXPECT_EQ(RawY(0xFD, 7), 511);
    EXPECT_EQ(RawY(0xFE, 7), 511);
    EXPECT_EQ(RawY(0xFF, 7), 511);
    EXPECT_EQ(RawY(0xFF, 15), 0);
    EXPECT_EQ(RawY(0xFE, 15), 0);
    EXPECT_EQ(RawY(0xFD, 15), 0);
    EXPECT_EQ(RawY(0xFC, 15), -1);
    EXPECT_EQ(RawY(0x00, 8), -511);
    // Turn's bits in the high nibble of byte 3 are not Y's.
    EXPECT_EQ(RawY(0x06, 0xF0), 2);
}

TEST(RawDecoding, TurnRoundsHalfToEvenAndClampsAtTheEnds) {
    EXPECT_EQ(RawTurn(0x80, 0), 8);
    EXPECT_EQ(RawTurn(0x88, 0), 8);
    EXPECT_EQ(RawTurn(0x98, 0), 10);
    EXPECT_EQ(RawTurn(0x0F, 0), 1);
    EXPECT_EQ(RawTurn(0xF0, 63), -1);
    EXPECT_EQ(RawTurn(0x0F, 32), -511);
    EXPECT_EQ(RawTurn(0xFF, 31), 511);
    EXPECT_EQ(RawTurn(0x0F, 0xC0), 1);
}

TEST(RawDecoding, EveryFieldStaysWithinTheRawRange) {
    for (int lo = 0; lo < 256; ++lo) {
        for (int hi = 0; hi < 256; ++hi) {
            const auto l = static_cast<uint8_t>(lo);
            const auto h = static_cast<uint8_t>(hi);
            for (int16_t v : {RawX(l, h), RawY(l, h), RawTurn(l, h)}) {
                ASSERT_GE(v, -511);
                ASSERT_LE(v, 511);
            }
        }
    }
}

TEST(Decoders, DefaultLimitsPassTheRawValueAndFlagTheSample) {
    Axes axes = DefaultAxes();
    EXPECT_EQ(axes.DecodeX(0x00, 0b11), -255);
    EXPECT_EQ(axes.SampleX.value, -255);
    EXPECT_TRUE(axes.SampleX.isNew);
    EXPECT_EQ(axes.DecodeY(0xFC, 15), -1);
    EXPECT_EQ(axes.SampleY.value, -1);
    EXPECT_TRUE(axes.SampleY.isNew);
    EXPECT_EQ(axes.DecodeTurn(0x98, 0), 10);
    EXPECT_EQ(axes.SampleTurn.value, 10);
    EXPECT_TRUE(axes.SampleTurn.isNew);

    axes.SampleX.isNew = false;
    axes.DecodeX(0x00, 0b11);
    EXPECT_TRUE(axes.SampleX.isNew) << "an unchanged value still flags a new sample";
}

TEST(Decoders, UseTheCalibrationInForceUntilItIsAppliedAgain) {
    Axes axes = DefaultAxes();
    axes.Limits.MaxX = 400;
    axes.Limits.MinX = 0;
    EXPECT_EQ(axes.DecodeX(200, 0), 200);
    axes.ApplyCalibration();
    EXPECT_EQ(axes.X().centre, 200);
    EXPECT_DOUBLE_EQ(axes.X().scale, 2.56);
    EXPECT_EQ(axes.DecodeX(200, 0), 0);
    EXPECT_EQ(axes.DecodeX(0xFF, 0b01), 796);  // (511 - 200) x 2.56 = 796.16
    EXPECT_EQ(axes.SampleX.value, 511);
}

TEST(Calibration, DerivesRangeCentreAndScaleRoundingHalfToEven) {
    Axes axes = DefaultAxes();
    EXPECT_EQ(axes.X().range, 1024);
    EXPECT_EQ(axes.X().centre, 0);
    EXPECT_DOUBLE_EQ(axes.X().scale, 1.0);

    axes.Limits = {512, -511, 511, -512, 513, -510};
    axes.ApplyCalibration();
    EXPECT_EQ(axes.X().range, 1023);
    EXPECT_EQ(axes.X().centre, 0);  // round(0.5)
    EXPECT_DOUBLE_EQ(axes.X().scale, 1024.0 / 1023.0);
    EXPECT_EQ(axes.Y().range, 1023);
    EXPECT_EQ(axes.Y().centre, 0);     // round(-0.5)
    EXPECT_EQ(axes.Turn().centre, 2);  // round(1.5)

    const AxisScale before = axes.Turn();
    axes.ApplyCalibration();
    EXPECT_EQ(axes.Turn().range, before.range);
    EXPECT_EQ(axes.Turn().centre, before.centre);
    EXPECT_EQ(axes.Turn().scale, before.scale);
}

TEST(Calibration, MinimumAboveMaximumTakesTheCentreFromTheMaximum) {
    Axes axes;
    axes.Limits = {-100, 100, 512, -512, 512, -512};
    axes.ApplyCalibration();
    EXPECT_EQ(axes.X().range, 200);
    EXPECT_EQ(axes.X().centre, -200);
}

TEST(Calibration, UnusableLimitsKeepTheDefaultSpan) {
    Axes axes;
    axes.Limits = {7, 7, 32767, -32768, 30000, -2767};
    axes.ApplyCalibration();
    for (const AxisScale* axis : {&axes.X(), &axes.Y()}) {
        EXPECT_EQ(axis->range, 1024);
        EXPECT_EQ(axis->centre, 0);
        EXPECT_DOUBLE_EQ(axis->scale, 1.0);
    }
    // 32767 units still fit: that axis is calibrated as given.
    EXPECT_EQ(axes.Turn().range, 32767);
    EXPECT_EQ(axes.DecodeX(0xFF, 0b01), 511);
    EXPECT_EQ(axes.DecodeY(0x00, 8), -511);

    // A minimum far above the maximum: the range fits but the centre (-46000) does not, and a
    // saturated one would hold the stick hard over from the first tick.
    axes.Limits = {-30000, 2000, 512, -512, 512, -512};
    axes.ApplyCalibration();
    EXPECT_EQ(axes.X().range, 1024);
    EXPECT_EQ(axes.X().centre, 0);
    EXPECT_EQ(axes.DecodeX(0xFF, 0b11), 0);
}

TEST(Calibration, ResultsBeyondSixteenBitsSaturate) {
    Axes axes;
    axes.Limits = {1, -1, 32767, -32767, -32768, 32767};
    axes.ApplyCalibration();
    EXPECT_EQ(axes.X().range, 2);
    EXPECT_EQ(axes.DecodeX(0xFF, 0b01), std::numeric_limits<int16_t>::max());
    EXPECT_EQ(axes.DecodeX(0x00, 0b10), std::numeric_limits<int16_t>::min());
    // Max -32768 with min 32767: the range does not fit, so the default span stands.
    EXPECT_EQ(axes.Turn().range, 1024);
}

TEST(Rounding, TiesGoToTheEvenNeighbourAndTheEndsSaturate) {
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(1.5), 2);
    EXPECT_EQ(RoundToInt16(-0.5), 0);
    EXPECT_EQ(RoundToInt16(-1.5), -2);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(40000.0), 32767);
    EXPECT_EQ(RoundToInt16(-40000.0), -32768);
}

}  // namespace
}  // namespace qv
