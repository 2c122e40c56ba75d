#include "model/AxisCalibration.h"

#include <cstdlib>

#include "model/Model.h"

namespace qv {

namespace {

constexpr double kFullSpan = 1024.0;

// No step of one axis looks at another, so each axis runs all its steps in turn.
void Learn(AxisCalibration& calib, AxisSample& sample) {
    if (sample.isNew && sample.value < calib.Min) {
        calib.Min = sample.value;
    }
    if (sample.isNew && sample.value > calib.Max) {
        calib.Max = sample.value;
    }
    // Min <= 0 <= Max, both from 10-bit samples: the range fits with room to spare.
    calib.Range = static_cast<int16_t>(std::abs(calib.Min - calib.Max));
    calib.Centre = RoundToInt16(calib.Max - calib.Range / 2.0);
    if (calib.Range > 0) {
        calib.Scale = kFullSpan / calib.Range;
    }
    if (calib.Scale > kPreviewScaleCap) {
        calib.Scale = kPreviewScaleCap;
    }
    if (sample.isNew) {
        sample.value = RoundToInt16((sample.value - calib.Centre) * calib.Scale);
        sample.isNew = false;
    }
}

// Judged by this opening's limits, not by the working range: OK may come before the first
// step of an opening, while the range still holds the last opening's value.
void Commit(const AxisCalibration& calib, int16_t& savedMin, int16_t& savedMax) {
    if (calib.Max - calib.Min > 0) {
        savedMin = calib.Min;
        savedMax = calib.Max;
    }
}

}  // namespace

// A sample read before the opening may be any age: with the engine paused it is the stick's
// place at the pause, and learnt as a limit it would hold a direction at rest.
void RestartCalibration(Model& model) {
    for (AxisCalibration* calib : {&model.CalibX, &model.CalibY, &model.CalibTurn}) {
        calib->Min = 0;
        calib->Max = 0;
    }
    for (AxisSample* sample : {&model.axes.SampleX, &model.axes.SampleY, &model.axes.SampleTurn}) {
        sample->isNew = false;
    }
}

void LearnFromSamples(Model& model) {
    Learn(model.CalibX, model.axes.SampleX);
    Learn(model.CalibY, model.axes.SampleY);
    Learn(model.CalibTurn, model.axes.SampleTurn);
}

void CommitCalibration(Model& model) {
    CalibrationLimits& limits = model.axes.Limits;
    Commit(model.CalibX, limits.MinX, limits.MaxX);
    Commit(model.CalibY, limits.MinY, limits.MaxY);
    Commit(model.CalibTurn, limits.MinTurn, limits.MaxTurn);
    model.axes.ApplyCalibration();
}

}  // namespace qv
