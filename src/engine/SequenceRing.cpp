#include "engine/SequenceRing.h"

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
    const int length = HeadGroupLength();
    if (!delayRunning && SeqReleasePending) {
        for (int k = 0; k < length; ++k) {
            synth.SendKeyUp(SeqKey[Advance(SeqRead, k)]);
        }
        SeqReleasePending = false;
        SeqRead = Advance(SeqRead, length);
        return;
    }
    for (int k = 0; k < length; ++k) {
        synth.SendKeyDown(SeqKey[Advance(SeqRead, k)]);
    }
    SeqReleasePending = true;
}

}  // namespace qv
