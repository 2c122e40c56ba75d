#pragma once

#include <algorithm>

#include "model/Model.h"

namespace qv {

// The longest key group or sequence an assignment can hold: the step after it must stay free for
// the terminating 0. A hand-edited profile can hold longer chains or lengths; they are cut here
// rather than read past the table.
inline constexpr int kLongestAssignment = kSteps - 2;

// How many codes a key group holds: up to and including the first whose joining flag is clear,
// where `joined(k)` is the flag of the group's code k (from 0), never more than `available` codes
// nor the longest assignment. A group always holds at least its first code.
template <typename Joined>
int KeyGroupLength(int available, Joined joined) {
    const int limit = std::min(available, kLongestAssignment);
    int length = 1;
    while (length < limit && joined(length - 1)) {
        ++length;
    }
    return length;
}

}  // namespace qv
