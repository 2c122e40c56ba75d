#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/Axes.h"

namespace qv::test {

// A controller input report (report ID, then bytes 1..6) whose axes the decoders read as the
// raw values given. The packed fields share bytes and the decoders round across them, so each
// field is found by asking the real decoders, X first, then Y over X's bits, then Turn over Y's.
inline std::vector<uint8_t> AxisReport(int x, int y, int turn, uint8_t buttons = 0,
                                       uint8_t byte6 = 0x10) {
    std::vector<uint8_t> r{0, 0, 0, 0, 0, buttons, byte6};
    Axes probe;
    const auto find = [](int want, auto&& pack, auto&& decode) {
        for (int field = 0; field < 1024; ++field) {
            pack(field);
            if (decode() == want) {
                return;
            }
        }
        ADD_FAILURE() << "no report reads as " << want;
    };
    find(
        x,
        [&](int f) {
            r[1] = static_cast<uint8_t>(f & 0xFF);
            r[2] = static_cast<uint8_t>((r[2] & ~3) | (f >> 8));
        },
        [&] {
            probe.DecodeX(r[1], r[2]);
            return probe.SampleX.value;
        });
    find(
        y,
        [&](int f) {
            r[2] = static_cast<uint8_t>((r[2] & 3) | ((f & 63) << 2));
            r[3] = static_cast<uint8_t>((r[3] & 0xF0) | (f >> 6));
        },
        [&] {
            probe.DecodeY(r[2], r[3]);
            return probe.SampleY.value;
        });
    find(
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
