#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "input/InputSynth.h"
#include "model/PrecisionTimer.h"

namespace qv {

// Sequences waiting to be played, one key group per two ticks. A fixed array: queuing and
// playing never allocate, and a whole sequence is queued at once.
class SequenceRing final {
public:
    static constexpr int kSize = 10001;

    std::array<int32_t, kSize> SeqKey{};
    std::array<bool, kSize> SeqCombo{};
    int16_t SeqRead = 0;
    int16_t SeqWrite = 0;
    bool SeqReleasePending = false;

    bool Empty() const { return SeqRead == SeqWrite; }
    // How many more codes fit: one entry always stays free, so that a full ring never reads as
    // empty and the writer never reaches the group at the head.
    int Free() const;
    // Both indices on `index`: the ring empty, nothing pending.
    void SetStart(int16_t index);
    // Queues a whole sequence, or nothing when it does not fit: a sequence cut short would play
    // keys its owner never asked for alone.
    bool Queue(std::span<const int32_t> codes, std::span<const bool> combos);
    // Presses the head group, or releases it once the delay timer no longer runs.
    void Step(InputSynth& synth, const PrecisionTimer& delayTimer);
    // Lets go of the head group if it is down, and moves on past it.
    void ReleasePending(InputSynth& synth);

private:
    int Queued() const;
    // How many codes the head group holds; it never reaches past the last code queued.
    int HeadGroupLength() const;

    // How many codes of the head group went down last. Its release lets go of these and of no
    // code queued since, which a joining flag on the group's last code would otherwise add.
    int pressedLength_ = 0;
};

}  // namespace qv
