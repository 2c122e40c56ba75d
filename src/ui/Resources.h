#pragma once

namespace qv {

// Makes the program's pictures (":/quorvane/...") reachable; any window may call it first.
void UseProgramResources();

}  // namespace qv
