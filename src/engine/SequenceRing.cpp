#include "engine/SequenceRing.h"

#include <algorithm>

#include "engine/KeyGroup.h"

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

int SequenceRing::Queued() const {
    return (SeqWrite - SeqRead + kSize) % kSize;
}

int SequenceRing::Free() const {
    return kSize - 1 - Queued();
}

bool SequenceRing::Queue(std::span<const int32_t> codes, std::span<const bool> combos) {
    if (static_cast<int>(codes.size()) > Free()) {
        return false;
    }
    for (std::size_t j = 0; j < codes.size(); ++j) {
        SeqKey[SeqWrite] = codes[j];
        SeqCombo[SeqWrite] = combos[j];
        SeqWrite = Advance(SeqWrite, 1);
    }
    return true;
}

int SequenceRing::HeadGroupLength() const {
    return KeyGroupLength(Queued(), [this](int k) { return SeqCombo[Advance(SeqRead, k)]; });
}

void SequenceRing::Step(InputSynth& synth, const PrecisionTimer& delayTimer) {
    if (Empty()) {
        return;
    }
    const bool delayRunning = delayTimer.Enabled();
    if (!delayRunning && SeqReleasePending) {
        ReleasePending(synth);
        return;
    }
    pressedLength_ = HeadGroupLength();
    for (int k = 0; k < pressedLength_; ++k) {
        synth.SendKeyDown(SeqKey[Advance(SeqRead, k)]);
    }
    SeqReleasePending = true;
}

void SequenceRing::ReleasePending(InputSynth& synth) {
    if (!SeqReleasePending) {
        return;
    }
    const int length = std::min(pressedLength_, HeadGroupLength());
    for (int k = 0; k < length; ++k) {
        synth.SendKeyUp(SeqKey[Advance(SeqRead, k)]);
    }
    SeqReleasePending = false;
    SeqRead = Advance(SeqRead, length);
}

}  // namespace qv
