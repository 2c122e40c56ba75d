#pragma once

#include <array>
#include <cstdint>

#include "model/DelayCodes.h"

namespace qv {

using ExtendedKeyTable = std::array<uint8_t, 256>;
using DelayTableValues = std::array<int16_t, kDelayCount>;
using ScanCodeTable = std::array<uint16_t, 256>;

// 1 for the virtual keys that go out with the extended-key flag, 0 for all others.
ExtendedKeyTable FillExtendedKey();

// The delay codes' durations in milliseconds, indexed by code - kFirstDelayCode.
DelayTableValues FillDelayTable();

// The scan code of each virtual key on the US layout, 0 where the key has none.
ScanCodeTable FillScanCodes();

}  // namespace qv
