#include "engine/SequenceRing.h"

#include <algorithm>

namespace qv {

namespace {

int16_t Advance(int index, int by) {
    return static_cast<int16_t>((index + by) % SequenceRing::kSize);
}

}  // namespace

void SequenceRing::SetStart(int16_t index) {
    SeqRead = index;
    SeqWrite = index;
    SeqReleasePending = false;
    pressedLength_ = 0;
}

void SequenceRing::Queue(int32_t code, bool combo) {
    SeqKey[SeqWrite] = code;
    SeqCombo[SeqWrite] = combo;
    SeqWrite = Advance(SeqWrite, 1);
}

int SequenceRing::HeadGroupLength() const {
    const int queued = (SeqWrite - SeqRead + kSize) % kSize;
    int length = 1;
    while (length < queued && SeqCombo[Advance(SeqRead, length - 1)]) {
        ++length;
    }
    return length;
}

void SequenceRing::Step(InputSynth& synth, const PrecisionTimer& delayTimer) {
    if (Empty()) {
        return;
    }
    const bool delayRunning = delayTimer.Enabled();
    if (!delayRunning && SeqReleasePending) {
        const int length = std::min(pressedLength_, HeadGroupLength());
        for (int k = 0; k < length; ++k) {
            synth.SendKeyUp(SeqKey[Advance(SeqRead, k)]);
        }
        SeqReleasePending = false;
        SeqRead = Advance(SeqRead, length);
        return;
    }
    pressedLength_ = HeadGroupLength();
    for (int k = 0; k < pressedLength_; ++k) {
        synth.SendKeyDown(SeqKey[Advance(SeqRead, k)]);
    }
    SeqReleasePending = true;
}

}  // namespace qv
