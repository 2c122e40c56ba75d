#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "AxisReport.h"
#include "FakeClock.h"
#include "FakePanel.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "StepTimerDriver.h"
#include "engine/Engine.h"
#include "model/Startup.h"

namespace qv::test {

// What one input report says, in the engine's terms.
struct Controls {
    int x = 0;
    int y = 0;
    int turn = 0;
    uint8_t buttons = 0;  // byte 5: buttons 1..6, then slots 13 and 14
    uint8_t byte6 = 0;    // shift buttons 1..3 and slot 15; the mode goes in separately
    int mode = -1;        // switch position 0..2, or -1 for none
};

// The report bytes that decode to `c`; the axes must come out exactly as asked.
inline Bytes EncodeReport(const Controls& c) {
    const auto byte6 = static_cast<uint8_t>(c.byte6 | (c.mode >= 0 ? (c.mode + 1) << 4 : 0));
    Bytes r = AxisReport(c.x, c.y, c.turn, c.buttons, byte6);
    Axes decoded;
    decoded.DecodeX(r[1], r[2]);
    decoded.DecodeY(r[2], r[3]);
    decoded.DecodeTurn(r[3], r[4]);
    EXPECT_EQ(decoded.SampleX.value, c.x) << "no report gives X " << c.x;
    EXPECT_EQ(decoded.SampleY.value, c.y) << "no report gives Y " << c.y;
    EXPECT_EQ(decoded.SampleTurn.value, c.turn) << "no report gives Turn " << c.turn;
    return r;
}

// "+41" for a key going down, "-41" for it going up (hex virtual keys), "move 8 0" for motion.
inline std::vector<std::string> Events(const RecordingSink& sink) {
    std::vector<std::string> out;
    for (const InputRecord& record : sink.records) {
        char text[32];
        if (record.type == InputType::Keyboard) {
            std::snprintf(text, sizeof text, "%c%02X", (record.dwFlags & kKeyUp) ? '-' : '+',
                          record.wVk);
        } else if (record.dwFlags == kMouseMove) {
            std::snprintf(text, sizeof text, "move %d %d", record.dx, record.dy);
        } else {
            std::snprintf(text, sizeof text, "mouse %X", record.dwFlags);
        }
        out.emplace_back(text);
    }
    return out;
}

// The engine wired to a scripted controller, a recording sink, a sequence ring of its own, a fake
// panel (hidden and running unless a test says otherwise) and timers that fire by hand.
class EngineHarness {
public:
    EngineHarness() {
        ApplyStartupDefaults(model);
        hid.AddController();
        link.FindTheHid();
        engine.AttachView(panel);
        engine.SetRingStart(kRingStart);
    }

    // One tick on a new report, then 10 ms pass as with the standard timer.
    void Tick(const Controls& c) {
        hid.present.front().waiting.push_back(EncodeReport(c));
        Tick();
    }
    // One tick on the report already there.
    void Tick() {
        engine.EngineTick();
        clock.Advance(std::chrono::milliseconds(10));
    }

    // Writes an assignment as the dialog would: step 0 = `length`, then codes with their flags.
    void Assign(int mode, int slot, int32_t length, const std::vector<int32_t>& codes,
                const std::vector<bool>& combos = {}) {
        model.KeyMap[mode][slot] = {};
        model.KeyMapCombo[mode][slot] = {};
        model.KeyMap[mode][slot][0] = length;
        for (std::size_t j = 0; j < codes.size(); ++j) {
            model.KeyMap[mode][slot][j + 1] = codes[j];
            model.KeyMapCombo[mode][slot][j + 1] = j < combos.size() && combos[j];
        }
    }

    std::vector<std::string> TakeEvents() {
        std::vector<std::string> events = Events(sink);
        sink.Clear();
        return events;
    }

    FakeClock clock;
    ScriptedHid hid{&clock};
    DeviceLink link{hid};
    RecordingSink sink;
    FakePanel panel;
    StepTimerDriver ccDriver;
    StepTimerDriver ssDriver;
    Model model;
    SequenceRing ring;
    Engine engine{model, link, clock, sink, ring, &ccDriver, &ssDriver};
};

inline constexpr uint8_t kButton1 = 0x01;
inline constexpr uint8_t kButton2 = 0x02;
inline constexpr uint8_t kShift1 = 0x01;
inline constexpr uint8_t kShift2 = 0x02;
inline constexpr uint8_t kShift3 = 0x04;

}  // namespace qv::test
