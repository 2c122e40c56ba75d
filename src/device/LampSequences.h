#pragma once

#include "device/DeviceLink.h"
#include "model/Clock.h"
#include "model/Model.h"

namespace qv {

// The lamp show at the end of the engine start: nine reports, 1,000 ms in all.
void PlayStartupShow(DeviceLink& link, Clock& clock);
// The lamp sequence of every exit, before the device is closed: nine reports, 900 ms in all.
void PlayExitSequence(DeviceLink& link, Clock& clock);

// Marks the button of `slot` (0..33) while its assignment is edited; slots without a lamp
// switch every lamp off.
void ShowSlotLamp(DeviceLink& link, const Model& model, int slot);
// Every lamp at its idle value, as while the engine runs.
void ShowIdleLamps(DeviceLink& link);

}  // namespace qv
