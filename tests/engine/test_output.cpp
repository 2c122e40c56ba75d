#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace qv::test {
namespace {

using Log = std::vector<std::string>;

TEST(Output, KeyGroupGoesDownAndUpInStepOrder) {
    EngineHarness h;
    h.Assign(0, 7, 0, {0xA3, 0x58}, {true, false});
    h.Assign(0, 8, 0, {0x10, 0x11, 0x12}, {true, true, false});
    h.Tick({.buttons = kButton1});
    EXPECT_EQ(h.TakeEvents(), (Log{"+A3", "+58"}));
    h.Tick({.buttons = kButton1 | kButton2});
    EXPECT_EQ(h.TakeEvents(), (Log{"+10", "+11", "+12"}));
    h.Tick({});
    EXPECT_EQ(h.TakeEvents(), (Log{"-A3", "-58", "-10", "-11", "-12"}));
}

TEST(Output, DeadZonesAreStrictAndTheDiagonalGoesInSlotOrder) {
    EngineHarness h;
    h.Tick({.x = 100, .y = -100, .turn = -450});
    EXPECT_TRUE(h.TakeEvents().empty());
    h.Tick({.x = 101, .y = -101, .turn = -451});
    EXPECT_EQ(h.TakeEvents(), (Log{"+57", "+44", "+BC"}));
    h.Tick({});
    EXPECT_EQ(h.TakeEvents(), (Log{"-57", "-44", "-BC"}));

    h.model.settings.chkMovement = 2;
    h.model.settings.chkAngles = 0;
    h.Tick({.x = -300, .turn = 500});
    EXPECT_TRUE(h.TakeEvents().empty()) << "movement is on only at 1, twist whenever not 0";
    h.model.settings.chkAngles = 2;
    h.Tick({.x = -300, .turn = 500});
    EXPECT_EQ(h.TakeEvents(), (Log{"+BE"}));
}

TEST(Output, WalkHoldsBetweenTheDeadZoneAndTheWalkZone) {
    EngineHarness h;
    h.model.settings.MidDeadZone = 300;
    h.Tick({.x = 150});
    EXPECT_EQ(h.TakeEvents(), (Log{"+44", "+A0"}));
    h.Tick({.x = 350});
    EXPECT_EQ(h.TakeEvents(), (Log{"-A0"}));
    h.Tick({.x = 150});
    EXPECT_EQ(h.TakeEvents(), (Log{"+A0"}));
    h.Tick({.x = 150, .y = 300});
    EXPECT_EQ(h.TakeEvents(), (Log{"+53", "-A0"})) << "both axes must lie inside";
    h.Tick({});
    EXPECT_EQ(h.TakeEvents(), (Log{"-53", "-44"}));

    h.model.settings.MidDeadZone = h.model.settings.DeadZone;
    for (const int x : {101, 150, 400}) {
        h.Tick({.x = x, .y = -x});
    }
    for (const std::string& event : h.TakeEvents()) {
        EXPECT_NE(event, "+A0") << "with walk off the walk slot is never pressed";
    }
}

TEST(Output, MouseModeMovesThePointerWithEitherTimersDivisor) {
    EngineHarness h;
    h.model.settings.MidDeadZone = 300;
    h.Tick({.x = 150});
    EXPECT_EQ(h.TakeEvents(), (Log{"+44", "+A0"}));

    h.model.settings.chkSimMouse = 1;
    h.Tick({.x = 300, .y = 50, .turn = 500});
    EXPECT_EQ(h.TakeEvents(), (Log{"-44", "move 8 0", "-A0"}))
        << "the stick's keys let go, 7.5 goes to 8, Y inside the dead zone is zeroed, no twist key";
    EXPECT_EQ(h.model.axes.AxisY, 0);

    h.model.settings.chkCCTIMER = 1;
    h.model.settings.Freq = 5;
    h.Tick({.x = 300, .y = -210});
    EXPECT_EQ(h.TakeEvents(), (Log{"move 2 -2"}));

    h.model.settings.chkMovement = 0;
    h.Tick({.x = 511, .buttons = kButton1});
    h.Tick({.x = 511});
    EXPECT_EQ(h.TakeEvents(), (Log{"move 0 0", "+31", "move 0 0", "-31"}));

    h.model.settings.chkSimMouse = 0;
    h.model.settings.chkMovement = 1;
    h.Tick({.x = 300});
    EXPECT_EQ(h.TakeEvents(), (Log{"+44"})) << "a direction still held goes down afresh";
}

TEST(Output, ReleaseLetsGoOfWhatThePressSentWhateverTheModeBecame) {
    EngineHarness h;
    h.Assign(0, 7, 0, {0xA2, 0x43}, {true, false});
    h.Assign(1, 7, 0, {0x41});
    h.Assign(1, 8, 2, {0x42, 0x43});
    h.Assign(2, 8, 0, {0x44});
    h.Tick({.buttons = kButton1, .mode = 0});
    EXPECT_EQ(h.TakeEvents(), (Log{"+A2", "+43"}));
    h.Tick({.mode = 1});
    EXPECT_EQ(h.TakeEvents(), (Log{"-A2", "-43"}));

    h.Tick({.buttons = kButton2, .mode = 1});
    h.Tick({.mode = 2});
    h.Tick({.mode = 2});
    h.Tick({.mode = 2});
    EXPECT_EQ(h.TakeEvents(), (Log{"+42", "-42", "+43", "-43"}))
        << "a slot pressed as a sequence lets go of nothing, not mode 2's key";
}

// Restored, paused (ticks may still run), and the pause item itself: each stops the output.
TEST(Output, StoppingLetsGoOfEverythingHeldOnceAndStartsClean) {
    struct Stop {
        const char* name;
        void (*apply)(EngineHarness&);
        Log resumed;
    };
    const Stop stops[] = {
        {"restored", [](EngineHarness& h) { h.panel.visible = true; }, {}},
        {"paused", [](EngineHarness& h) { h.engine.Timers.TogglePause(); }, {"+44", "-44"}},
        {"pause item",
         [](EngineHarness& h) {
             h.engine.Timers.TogglePause();
             h.engine.StopOutput();
         },
         {"+44", "-44"}},
    };
    for (const Stop& stop : stops) {
        EngineHarness h;
        h.Assign(0, 7, 0, {0xA0, 0x01}, {true, false});
        h.Assign(0, 8, 2, {0x42, 140}, {true, false});
        h.Tick({.x = 300, .buttons = kButton1 | kButton2});
        EXPECT_EQ(h.TakeEvents(), (Log{"+44", "+A0", "mouse 2", "+42"})) << stop.name;

        stop.apply(h);
        h.Tick({.x = 300, .buttons = kButton1 | kButton2});
        h.Tick({.x = 300, .buttons = kButton1 | kButton2});
        EXPECT_EQ(h.TakeEvents(), (Log{"-44", "-A0", "mouse 4", "-42"}))
            << stop.name << ": slots in order, then the ring's group, each once";

        h.panel.visible = false;
        if (h.engine.Timers.Paused()) {
            h.engine.Timers.TogglePause();
        }
        h.Tick({.x = 300, .buttons = kButton1 | kButton2});
        h.Tick({});
        EXPECT_EQ(h.TakeEvents(), stop.resumed)
            << stop.name << ": the buttons release nothing, the ring went on past its group";
        EXPECT_TRUE(h.ring.Empty());
    }
}

TEST(Output, WhatWentDownWhileShownSendsNothingWhenHidden) {
    EngineHarness h;
    h.panel.visible = true;
    h.Tick({.x = 300, .buttons = kButton1});
    h.panel.visible = false;
    h.Tick({.x = 300, .buttons = kButton1});
    h.Tick({});
    EXPECT_TRUE(h.TakeEvents().empty())
        << "neither its press nor a release of what never went down";
    h.Tick({.x = 300, .buttons = kButton1});
    EXPECT_EQ(h.TakeEvents(), (Log{"+44", "+31"}));
}

TEST(Output, AssignmentsBeyondTheTablesLimitsStayInsideIt) {
    EngineHarness h;
    h.model.KeyMap[0][7].fill(0x41);
    h.model.KeyMap[0][7][0] = 0;
    h.model.KeyMapCombo[0][7].fill(true);
    h.Tick({.buttons = kButton1});
    EXPECT_EQ(h.sink.KeyDowns().size(), 299u) << "a chain stops before the last step";
    h.Tick({});
    EXPECT_EQ(h.sink.KeyUps().size(), 299u);
    h.sink.Clear();

    h.Assign(0, 8, -3, {0x42});
    h.Tick({.buttons = kButton2});
    h.Tick({});
    EXPECT_EQ(h.TakeEvents(), (Log{"+42", "-42"})) << "a negative length is a key group";
}

}  // namespace
}  // namespace qv::test
