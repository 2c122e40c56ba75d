#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace qv::test {
namespace {

using Log = std::vector<std::string>;

TEST(SequenceRing, PlaysOneGroupPerTwoTicksAndAppendsARepeatedPress) {
    EngineHarness h;
    h.Assign(0, 7, 4, {0x41, 0x53, 0x44, 0x46}, {false, true, false, false});
    const std::vector<Controls> ticks{
        {.buttons = kButton1}, {}, {.buttons = kButton1}, {}, {}, {}, {}, {}};
    std::vector<Log> perTick;
    for (const Controls& c : ticks) {
        h.Tick(c);
        perTick.push_back(h.TakeEvents());
    }
    EXPECT_EQ(
        perTick,
        (std::vector<Log>{
            {"+41"}, {"-41"}, {"+53", "+44"}, {"-53", "-44"}, {"+46"}, {"-46"}, {"+41"}, {"-41"}}))
        << "the button's release sends nothing, a second press queues another copy";
}

TEST(SequenceRing, DelayHoldsTheRingForItsOwnTimeOnly) {
    EngineHarness h;
    h.Assign(0, 7, 3, {0x41, 139, 0x42});
    h.Tick({.buttons = kButton1});
    h.Tick({});
    EXPECT_EQ(h.TakeEvents(), (Log{"+41", "-41"}));
    h.Tick();
    EXPECT_TRUE(h.engine.DelayTimer.Enabled());
    EXPECT_EQ(h.engine.DelayTimer.Interval(), 250);
    int ticksUntilB = 0;
    while (h.sink.records.empty() && ticksUntilB < 100) {
        h.Tick();
        ++ticksUntilB;
    }
    EXPECT_EQ(ticksUntilB, 26) << "25 ticks of 10 ms hold the ring, one releases the delay";
    EXPECT_EQ(h.TakeEvents(), (Log{"+42"}));
    h.Tick();
    EXPECT_EQ(h.TakeEvents(), (Log{"-42"}));
    EXPECT_TRUE(h.ring.Empty());
}

TEST(SequenceRing, GroupAtTheHeadRepeatsWhileADelayRunsForAnotherReason) {
    EngineHarness h;
    h.Assign(0, 7, 1, {0x41});
    h.Assign(0, 8, 0, {140});
    h.Tick({.buttons = kButton1 | kButton2});
    for (int i = 0; i < 9; ++i) {
        h.Tick();
    }
    EXPECT_EQ(h.sink.KeyDowns(), std::vector<uint16_t>(10, 0x41));
    EXPECT_TRUE(h.sink.KeyUps().empty());
    h.Tick();
    EXPECT_EQ(h.sink.KeyUps(), std::vector<uint16_t>{0x41});
}

TEST(SequenceRing, WrapsAfterIndex10000AndPlaysAcrossTheWrap) {
    EngineHarness h;
    h.Assign(0, 7, 299, std::vector<int32_t>(299, 0x41));
    std::vector<int32_t> second(203, 0x42);
    second[201] = 0x70;
    second[202] = 0x71;
    h.Assign(0, 8, 203, second);
    h.Tick({.buttons = kButton1 | kButton2});
    const SequenceRing& ring = h.ring;
    EXPECT_EQ(ring.SeqKey[10000], 0x70) << "the 501st code";
    EXPECT_EQ(ring.SeqKey[0], 0x71) << "the 502nd code";
    EXPECT_EQ(ring.SeqWrite, 1);
    for (int i = 0; i < 1003; ++i) {
        h.Tick({});
    }
    EXPECT_TRUE(ring.Empty());
    const std::vector<uint16_t> downs = h.sink.KeyDowns();
    ASSERT_EQ(downs.size(), 502u);
    EXPECT_EQ(downs[500], 0x70);
    EXPECT_EQ(downs[501], 0x71);
    EXPECT_EQ(h.sink.KeyUps(), downs);
}

TEST(SequenceRing, GroupsNeverReachPastWhatWasQueued) {
    EngineHarness h;
    h.Assign(0, 7, 2, {0x41, 0x53}, {false, true});
    h.Tick({.buttons = kButton1});
    for (int i = 0; i < 20; ++i) {
        h.Tick({});
    }
    EXPECT_EQ(h.TakeEvents(), (Log{"+41", "-41", "+53", "-53"}))
        << "a joining flag on the last step joins nothing";
    EXPECT_TRUE(h.ring.Empty());

    h.Tick({.buttons = kButton1});
    h.Tick({});
    h.Tick({});
    h.TakeEvents();
    h.Tick({.buttons = kButton1});
    for (int i = 0; i < 4; ++i) {
        h.Tick({});
    }
    EXPECT_EQ(h.TakeEvents(), (Log{"-53", "+41", "-41", "+53", "-53"}))
        << "codes queued after a group went down are not released with it";
    EXPECT_TRUE(h.ring.Empty());

    h.model.KeyMap[0][8].fill(0x42);
    h.model.KeyMap[0][8][0] = 5000;
    const int16_t before = h.ring.SeqWrite;
    h.Tick({.buttons = kButton2});
    EXPECT_EQ(h.ring.SeqWrite - before, 299) << "a length beyond the table is cut";
}

TEST(SequenceRing, AFullRingDropsPressesAndKeepsTheGroupThatIsDown) {
    EngineHarness h;
    // Left Shift joined to a one-second delay: it stays down while the ring fills behind it.
    h.Assign(0, 7, 2, {0xA0, 136}, {true, false});
    h.Assign(0, 8, 299, std::vector<int32_t>(299, 0x42));
    h.Tick({.buttons = kButton1});
    EXPECT_EQ(h.TakeEvents(), (Log{"+A0"}));
    for (int press = 0; press < 40; ++press) {
        h.Tick({.buttons = kButton2});
        h.Tick({});
    }
    const SequenceRing& ring = h.ring;
    EXPECT_EQ(ring.Free(), 9998 - 33 * 299) << "33 presses fit, the later ones were dropped";
    EXPECT_EQ(ring.SeqKey[ring.SeqRead], 0xA0);

    while (h.engine.DelayTimer.Enabled()) {
        h.Tick();
    }
    h.Tick();
    EXPECT_EQ(h.TakeEvents().back(), "-A0") << "the group that was down comes up";
    while (!ring.Empty()) {
        h.Tick();
    }
    const std::vector<uint16_t> downs = h.sink.KeyDowns();
    EXPECT_EQ(downs, std::vector<uint16_t>(33 * 299, 0x42));
    EXPECT_EQ(h.sink.KeyUps(), downs);
}

TEST(SequenceRing, AGroupJoiningTwoDelaysEndsWithTheFirstAtFreq5) {
    EngineHarness h;
    h.Assign(0, 7, 3, {139, 140, 0x41}, {true, false, false});
    const auto tick5 = [&h] {
        h.engine.EngineTick();
        h.clock.Advance(std::chrono::milliseconds(5));
    };
    h.hid.present.front().waiting.push_back(EncodeReport({.buttons = kButton1}));
    tick5();
    int ticks = 0;
    while (h.sink.records.empty() && ticks < 1000) {
        tick5();
        ++ticks;
    }
    EXPECT_EQ(ticks, 51) << "250 ms hold the ring, one tick releases the delays";
    EXPECT_EQ(h.TakeEvents(), (Log{"+41"}));
}

}  // namespace
}  // namespace qv::test
