#pragma once

#include <array>
#include <cstdint>

namespace qv {

// The Linux key code (KEY_*) of each virtual key, 0 where there is no matching key.
using LinuxKeyTable = std::array<uint16_t, 256>;

LinuxKeyTable FillLinuxKeyCodes();

}  // namespace qv
