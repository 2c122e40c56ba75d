#include "model/Axes.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace qv {

namespace {

constexpr int kDefaultRange = 1024;

int16_t Calibrate(int16_t raw, AxisSample& sample, const AxisScale& axis) {
    sample.value = raw;
    sample.isNew = true;
    const int difference = raw - axis.centre;
    return RoundToInt16(difference * axis.scale);
}

bool FitsInt16(double value) {
    return value >= std::numeric_limits<int16_t>::min() &&
           value <= std::numeric_limits<int16_t>::max();
}

// A range of 0 has no scale, and limits further apart than 16 bits hold have no 16-bit range,
// nor does a minimum far above the maximum have a 16-bit centre (a saturated one would hold a
// stick direction from the first tick). Such an axis, which only a hand-made profile brings,
// keeps the default span so it stays usable.
AxisScale Derive(int16_t max, int16_t min) {
    const int range = std::abs(min - max);
    const double centre = std::nearbyint(max - range / 2.0);
    if (range == 0 || !FitsInt16(range) || !FitsInt16(centre)) {
        return {kDefaultRange, 0, 1.0};
    }
    return {static_cast<int16_t>(range), static_cast<int16_t>(centre),
            kDefaultRange / double(range)};
}

}  // namespace

int16_t RoundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded > std::numeric_limits<int16_t>::max()) {
        return std::numeric_limits<int16_t>::max();
    }
    if (rounded < std::numeric_limits<int16_t>::min()) {
        return std::numeric_limits<int16_t>::min();
    }
    return static_cast<int16_t>(rounded);
}

int16_t RawX(uint8_t lo, uint8_t hi) {
    const int h = hi & 3;
    if (h <= 1) {
        return static_cast<int16_t>(256 * h + lo);
    }
    return static_cast<int16_t>(256 * (h - 3) - (255 - lo));
}

int16_t RawY(uint8_t lo, uint8_t hi) {
    const int h = hi & 15;
    if (h <= 7) {
        const int16_t v = RoundToInt16(64 * h + lo / 4.0);
        return v > 511 ? int16_t{511} : v;
    }
    const int16_t v = RoundToInt16(64 * (h - 15) - (255 - lo) / 4.0);
    return v < -511 ? int16_t{-511} : v;
}

int16_t RawTurn(uint8_t lo, uint8_t hi) {
    const int h = hi & 63;
    if (h <= 31) {
        const int16_t v = RoundToInt16(16 * h + lo / 16.0);
        return v > 511 ? int16_t{511} : v;
    }
    const int16_t v = RoundToInt16(16 * (h - 63) - (255 - lo) / 16.0);
    return v < -511 ? int16_t{-511} : v;
}

int16_t Axes::DecodeX(uint8_t lo, uint8_t hi) {
    return Calibrate(RawX(lo, hi), SampleX, x_);
}

int16_t Axes::DecodeY(uint8_t lo, uint8_t hi) {
    return Calibrate(RawY(lo, hi), SampleY, y_);
}

int16_t Axes::DecodeTurn(uint8_t lo, uint8_t hi) {
    return Calibrate(RawTurn(lo, hi), SampleTurn, turn_);
}

void Axes::ApplyCalibration() {
    x_ = Derive(Limits.MaxX, Limits.MinX);
    y_ = Derive(Limits.MaxY, Limits.MinY);
    turn_ = Derive(Limits.MaxTurn, Limits.MinTurn);
}

}  // namespace qv
