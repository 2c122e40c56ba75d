#pragma once

#include <array>
#include <cstdint>

#include "engine/KeyGroup.h"
#include "input/InputSynth.h"
#include "model/Model.h"

namespace qv {

// The codes each slot's press sent, so that its release lets go of exactly those, whatever the
// mode or the assignment has become since. A fixed table: pressing never allocates.
class HeldKeys final {
public:
    // Sends the key group that starts at step 1 of `keys` down and remembers it for `slot`.
    void Press(int slot, const KeySteps& keys, const ComboSteps& combo, InputSynth& synth);
    // Lets go of what the slot's press sent, in the order it went down, and forgets it.
    void Release(int slot, InputSynth& synth);
    // Lets go of every slot's keys, in slot order.
    void ReleaseAll(InputSynth& synth);

private:
    std::array<std::array<int32_t, kLongestAssignment>, kSlots> codes_{};
    std::array<int, kSlots> count_{};
};

}  // namespace qv
