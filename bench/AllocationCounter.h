#pragma once

#include <cstddef>

namespace qv {

// How many times operator new has run in this program so far.
std::size_t AllocationCount();

}  // namespace qv
