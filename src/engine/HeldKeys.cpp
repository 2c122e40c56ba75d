#include "engine/HeldKeys.h"

namespace qv {

void HeldKeys::Press(int slot, const KeySteps& keys, const ComboSteps& combo, InputSynth& synth) {
    const int length = KeyGroupLength(kLongestAssignment, [&](int k) { return combo[1 + k]; });
    auto& codes = codes_[slot];
    for (int k = 0; k < length; ++k) {
        codes[k] = keys[1 + k];
        synth.SendKeyDown(codes[k]);
    }
    count_[slot] = length;
}

void HeldKeys::Release(int slot, InputSynth& synth) {
    const int length = count_[slot];
    count_[slot] = 0;
    for (int k = 0; k < length; ++k) {
        synth.SendKeyUp(codes_[slot][k]);
    }
}

void HeldKeys::ReleaseAll(InputSynth& synth) {
    for (int slot = 0; slot < kSlots; ++slot) {
        Release(slot, synth);
    }
}

}  // namespace qv
