#pragma once

#include <cstdint>

namespace qv {

struct Model;

// The calibration dialog's working record of one axis: the limits learnt since the dialog
// opened, and the centre, range and scale its preview uses.
struct AxisCalibration {
    int16_t Min = 0;
    int16_t Max = 0;
    int16_t Centre = 0;
    int16_t Range = 0;
    double Scale = 0.0;
};

// The preview never magnifies more than this, however little an axis has moved so far.
inline constexpr double kPreviewScaleCap = 10.0;

// A new opening forgets the limits learnt before and the samples read before it; centre, range
// and scale stay as they were.
void RestartCalibration(Model& model);

// One learning step for X, Y and Turn: a new sample widens its axis's limits, the working
// centre, range and scale follow, and the sample is turned in place into its preview value and
// marked as taken.
void LearnFromSamples(Model& model);

// The limits learnt for each axis that moved become its saved limits, and the engine's
// calibration is derived from the saved limits again.
void CommitCalibration(Model& model);

}  // namespace qv
