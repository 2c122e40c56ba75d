#include "model/Startup.h"

namespace qv {

namespace {

constexpr int16_t kDefaultMax = 512;
constexpr int16_t kDefaultMin = -512;

void ResetEngineState(Model& model) {
    model.EngineReady = false;
    model.Pages = PageLayout(1);
}

void SetWalkZoneToDeadZone(PanelSettings& settings) {
    settings.MidDeadZone = settings.DeadZone;
}

void SetDefaultCalibration(Axes& axes) {
    axes.Limits = {kDefaultMax, kDefaultMin, kDefaultMax, kDefaultMin, kDefaultMax, kDefaultMin};
    axes.ApplyCalibration();
}

}  // namespace

void ApplyStartupDefaults(Model& model) {
    ResetEngineState(model);
    FillDefaults(model);
    SetWalkZoneToDeadZone(model.settings);
    SetDefaultCalibration(model.axes);
}

void SetTimerCreationValues(PrecisionTimer& ccTimer, PrecisionTimer& delayTimer) {
    ccTimer.SetEnabled(false);
    ccTimer.SetFiringMode(PrecisionTimer::Periodic);
    ccTimer.SetInterval(10);
    ccTimer.SetTuningValue(10);
    delayTimer.SetEnabled(false);
    delayTimer.SetFiringMode(PrecisionTimer::OneShot);
    delayTimer.SetInterval(1000);
    delayTimer.SetTuningValue(10);
}

}  // namespace qv
