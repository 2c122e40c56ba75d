#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/Axes.h"

namespace qv::test {

// Packs each 10-bit field value with `pack` and keeps the first whose `decode` hits `want`, or
// else the nearest.
template <typename Pack, typename Decode>
void ChooseField(int want, Pack pack, Decode decode) {
    int best = 0;
    int bestMiss = 1 << 16;
    for (int field = 0; field < 1024 && bestMiss > 0; ++field) {
        pack(field);
        const int miss = std::abs(decode() - want);
        if (miss < bestMiss) {
            best = field;
            bestMiss = miss;
        }
    }
    pack(best);
}

// A controller input report (report ID, then bytes 1..6) whose axes the decoders read as the
// raw values given, or as near as the packing allows. The fields share bytes and the decoders
// round across them, so each field is chosen by asking the real decoders: X first, then Y over
// X's bits, then Turn over Y's.
inline std::vector<uint8_t> AxisReport(int x, int y, int turn, uint8_t buttons = 0,
                                       uint8_t byte6 = 0x10) {
    std::vector<uint8_t> r{0, 0, 0, 0, 0, buttons, byte6};
    Axes probe;
    ChooseField(
        x,
        [&](int f) {
            r[1] = static_cast<uint8_t>(f & 0xFF);
            r[2] = static_cast<uint8_t>((r[2] & ~3) | (f >> 8));
        },
        [&] {
            probe.DecodeX(r[1], r[2]);
            return probe.SampleX.value;
        });
    ChooseField(
        y,
        [&](int f) {
            r[2] = static_cast<uint8_t>((r[2] & 3) | ((f & 63) << 2));
            r[3] = static_cast<uint8_t>((r[3] & 0xF0) | (f >> 6));
        },
        [&] {
            probe.DecodeY(r[2], r[3]);
            return probe.SampleY.value;
        });
    ChooseField(
        turn,
        [&](int f) {
            r[3] = static_cast<uint8_t>((r[3] & 15) | ((f & 15) << 4));
            r[4] = static_cast<uint8_t>(f >> 4);
        },
        [&] {
            probe.DecodeTurn(r[3], r[4]);
            return probe.SampleTurn.value;
        });
    return r;
}

}  // namespace qv::test
