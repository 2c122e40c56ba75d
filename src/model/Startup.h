#pragma once

#include <cstdint>

#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

// Where both sequence ring indices start, so that the first wrap comes after 501 codes.
inline constexpr int16_t kRingStart = 9500;

// The load step's values that need no window, in its order: EngineReady false, the page
// targets with page 1 open, the default tables, the walk zone equal to the dead zone (as it
// always is while walk is off), the default limits of every axis and the calibration derived
// from them. The load step runs this before the engine starts; an engine expects a model that
// went through it.
void ApplyStartupDefaults(Model& model);

// The creation values of the two timer objects, written in the order the load step writes them.
void SetTimerCreationValues(PrecisionTimer& ccTimer, PrecisionTimer& delayTimer);

}  // namespace qv
