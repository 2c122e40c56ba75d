#pragma once

#include <cstdint>
#include <string>

#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

// Where both sequence ring indices start, so that the first wrap comes after 501 codes.
inline constexpr int16_t kRingStart = 9500;

// The start-up failure without the controller. The line breaks are carriage returns; a
// message box shows them as line breaks, a terminal needs StartupFailureLines.
inline constexpr const char* kInitErrorTitle = "Quorvane Initialization Error";
inline constexpr const char* kInitErrorText =
    "Unable to open Strategic Commander device\r\r"
    "Please remove and re-insert Strategic Commander\r"
    "and run 'Quorvane' to try again.";

// The parts of the load step that need no window, each in the order the load step makes them.
// EngineReady false, then the page targets with page 1 open.
void ResetEngineState(Model& model);
// The walk zone starts equal to the dead zone, as it always is while walk is off.
void SetWalkZoneToDeadZone(PanelSettings& settings);
// The default limits of every axis, then the calibration derived from them.
void SetDefaultCalibration(Axes& axes);
// Every value above, in the load step's order, with the default tables between them.
void ApplyStartupDefaults(Model& model);

// The creation values of the two timer objects, written in the order the load step writes them.
void SetTimerCreationValues(PrecisionTimer& ccTimer, PrecisionTimer& delayTimer);

// Title and text as plain lines with line feeds, for stderr.
std::string StartupFailureLines();

}  // namespace qv
