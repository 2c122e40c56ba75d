#pragma once

#include <cstdint>

namespace qv {

// Upper and lower limit of each axis's raw value, in the order the profile file keeps them.
struct CalibrationLimits {
    int16_t MaxX = 0;
    int16_t MinX = 0;
    int16_t MaxY = 0;
    int16_t MinY = 0;
    int16_t MaxTurn = 0;
    int16_t MinTurn = 0;
};

// One axis's latest uncalibrated value, a one-value mailbox for the calibration dialog.
struct AxisSample {
    int16_t value = 0;
    bool isNew = false;
};

// What ApplyCalibration derives for one axis from its limits.
struct AxisScale {
    int16_t range = 0;
    int16_t centre = 0;
    double scale = 0.0;
};

// The three axes: packed report fields in, calibrated values out, raw samples on the side.
class Axes {
public:
    CalibrationLimits Limits;

    int16_t AxisX = 0;
    int16_t AxisY = 0;
    int16_t AxisTurn = 0;

    AxisSample SampleX;
    AxisSample SampleY;
    AxisSample SampleTurn;

    int16_t DecodeX(uint8_t lo, uint8_t hi);
    int16_t DecodeY(uint8_t lo, uint8_t hi);
    int16_t DecodeTurn(uint8_t lo, uint8_t hi);

    void ApplyCalibration();

    const AxisScale& X() const { return x_; }
    const AxisScale& Y() const { return y_; }
    const AxisScale& Turn() const { return turn_; }

private:
    AxisScale x_;
    AxisScale y_;
    AxisScale turn_;
};

// Each axis's raw value from its packed report field, before calibration: what its sample holds.
int16_t RawX(uint8_t lo, uint8_t hi);
int16_t RawY(uint8_t lo, uint8_t hi);
int16_t RawTurn(uint8_t lo, uint8_t hi);

// Nearest integer, ties to even, saturated to the signed 16-bit range.
int16_t RoundToInt16(double value);

}  // namespace qv
