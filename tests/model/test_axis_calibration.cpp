#include <gtest/gtest.h>

#include "AxisReport.h"
#include "model/AxisCalibration.h"
#include "model/Model.h"
#include "model/Startup.h"

namespace qv {
namespace {

// The model as start-up leaves it, fed through the real decoders as the engine's tick feeds it.
class Learning : public ::testing::Test {
protected:
    Learning() { ApplyStartupDefaults(m); }

    void Decode(int x, int y, int turn) {
        const std::vector<uint8_t> r = test::AxisReport(x, y, turn);
        m.axes.DecodeX(r[1], r[2]);
        m.axes.DecodeY(r[2], r[3]);
        m.axes.DecodeTurn(r[3], r[4]);
    }
    void Step(int x, int y, int turn) {
        Decode(x, y, turn);
        LearnFromSamples(m);
    }

    Model m;
};

TEST_F(Learning, LimitsWidenFromZeroAndTheCentreHalvesToEven) {
    RestartCalibration(m);
    Step(400, 5, -3);
    Step(250, 0, -1);
    EXPECT_EQ(m.CalibX.Min, 0) << "one side only still counts from 0";
    EXPECT_EQ(m.CalibX.Max, 400);
    EXPECT_EQ(m.CalibX.Centre, 200);
    EXPECT_EQ(m.CalibY.Range, 5);
    EXPECT_EQ(m.CalibY.Centre, 2) << "2.5 rounds to even";
    EXPECT_EQ(m.CalibTurn.Min, -3);
    EXPECT_EQ(m.CalibTurn.Centre, -2) << "-1.5 rounds to even";

    Step(-300, -200, 150);
    EXPECT_EQ(m.CalibX.Min, -300);
    EXPECT_EQ(m.CalibX.Max, 400);
    EXPECT_EQ(m.CalibX.Range, 700);
    EXPECT_EQ(m.CalibX.Centre, 50);
    EXPECT_DOUBLE_EQ(m.CalibX.Scale, 1024.0 / 700);
}

TEST_F(Learning, ASampleIsTakenOnceAndTurnedIntoItsPreviewValue) {
    RestartCalibration(m);
    Step(400, 0, 0);
    EXPECT_FALSE(m.axes.SampleX.isNew);
    EXPECT_EQ(m.axes.SampleX.value, 512) << "(400 - 200) x 2.56";

    // No tick between two steps: the preview value neither widens the limits nor is scaled again.
    LearnFromSamples(m);
    EXPECT_EQ(m.CalibX.Max, 400);
    EXPECT_EQ(m.axes.SampleX.value, 512);

    Step(100, 0, 0);
    EXPECT_EQ(m.axes.SampleX.value, -256);
    EXPECT_EQ(m.CalibX.Max, 400);
}

TEST_F(Learning, APreviewNeverMagnifiesMoreThanTenButTheEngineDoes) {
    RestartCalibration(m);
    Step(0, 0, 0);
    EXPECT_EQ(m.axes.SampleX.value, 0) << "nothing moved yet: no scale, no division by zero";
    Step(50, 0, 0);
    EXPECT_DOUBLE_EQ(m.CalibX.Scale, 10.0);
    EXPECT_EQ(m.axes.SampleX.value, 250);
    Step(102, 0, 0);
    EXPECT_DOUBLE_EQ(m.CalibX.Scale, 10.0);
    Step(103, 0, 0);
    EXPECT_DOUBLE_EQ(m.CalibX.Scale, 1024.0 / 103);

    RestartCalibration(m);
    Step(0, 0, 60);
    CommitCalibration(m);
    EXPECT_DOUBLE_EQ(m.axes.Turn().scale, 1024.0 / 60);
}

TEST_F(Learning, CommitReplacesOnlyTheLimitsOfAxesThatMoved) {
    m.axes.Limits = {500, -480, 490, -470, 400, -400};
    m.axes.ApplyCalibration();
    RestartCalibration(m);
    Step(400, 0, -250);
    Step(0, 0, 300);
    CommitCalibration(m);

    const CalibrationLimits& l = m.axes.Limits;
    EXPECT_EQ(l.MinX, 0);
    EXPECT_EQ(l.MaxX, 400);
    EXPECT_EQ(l.MaxY, 490) << "Y got only zeros";
    EXPECT_EQ(l.MinY, -470);
    EXPECT_EQ(l.MinTurn, -250);
    EXPECT_EQ(l.MaxTurn, 300);
    // The engine's calibration follows at once.
    EXPECT_EQ(m.axes.X().centre, 200);
    EXPECT_DOUBLE_EQ(m.axes.X().scale, 2.56);
    EXPECT_EQ(m.axes.Y().centre, 10);
    EXPECT_EQ(m.axes.Turn().centre, 25);
}

TEST_F(Learning, ANewOpeningStartsFromZeroAndCommitsNothingBeforeItLearns) {
    RestartCalibration(m);
    Step(-300, 200, 0);
    CommitCalibration(m);
    const CalibrationLimits learnt = m.axes.Limits;

    RestartCalibration(m);
    EXPECT_EQ(m.CalibX.Min, 0);
    EXPECT_EQ(m.CalibX.Max, 0);
    EXPECT_EQ(m.CalibX.Range, 300) << "only the limits are forgotten";
    // OK before the first step: the range still holds the last opening's value.
    CommitCalibration(m);
    EXPECT_EQ(m.axes.Limits.MinX, learnt.MinX);
    EXPECT_EQ(m.axes.Limits.MaxY, learnt.MaxY);
    EXPECT_EQ(m.axes.X().range, 300);

    Decode(265, 0, 0);
    RestartCalibration(m);
    LearnFromSamples(m);
    EXPECT_EQ(m.CalibX.Max, 0) << "a sample read before the opening does not count";
}

}  // namespace
}  // namespace qv
