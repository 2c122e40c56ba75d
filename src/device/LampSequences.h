#pragma once

#include "device/DeviceLink.h"
#include "engine/Clock.h"

namespace qv {

// The lamp show at the end of the engine start: nine reports, 1,000 ms in all.
void PlayStartupShow(DeviceLink& link, Clock& clock);
// The lamp sequence of every exit, before the device is closed: nine reports, 900 ms in all.
void PlayExitSequence(DeviceLink& link, Clock& clock);

}  // namespace qv
