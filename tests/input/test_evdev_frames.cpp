#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <span>
#include <vector>

#include "input/EvdevFrames.h"

namespace qv {

// Readable failure messages.
void PrintTo(const EvdevEvent& event, std::ostream* out) {
    *out << "{" << (event.device == EvdevDevice::Keyboard ? "keyboard" : "mouse") << " "
         << event.type << " " << event.code << " " << event.value << "}";
}

namespace {

using Events = std::vector<EvdevEvent>;
constexpr auto kKeyboard = EvdevDevice::Keyboard;
constexpr auto kMouse = EvdevDevice::Mouse;

InputRecord Key(uint16_t vk, bool up = false) {
    return {InputType::Keyboard, vk, 0, up ? kKeyUp : 0u, 0, 0, 0};
}

InputRecord Mouse(uint32_t flags, int32_t mouseData = 0, int32_t dx = 0, int32_t dy = 0) {
    return {InputType::Mouse, 0, 0, flags, dx, dy, mouseData};
}

Events Translate(EvdevFrames& frames, const InputRecord& record) {
    const EvdevFrame frame = frames.Translate(record);
    return {frame.begin(), frame.end()};
}

EvdevEvent Syn(EvdevDevice device) {
    return {device, EV_SYN, SYN_REPORT, 0};
}

TEST(EvdevFrames, KeysGoOutOnTheKeyboardOneFrameEach) {
    EvdevFrames frames;
    EXPECT_EQ(Translate(frames, Key(0x41)),
              (Events{{kKeyboard, EV_KEY, KEY_A, 1}, Syn(kKeyboard)}));
    EXPECT_EQ(Translate(frames, Key(0x25, true) /* extended flag plays no part */),
              (Events{{kKeyboard, EV_KEY, KEY_LEFT, 0}, Syn(kKeyboard)}));
    EXPECT_TRUE(Translate(frames, Key(0x03)).empty()) << "a code with no Linux key sends nothing";
    EXPECT_TRUE(Translate(frames, Key(0x100)).empty());
}

TEST(EvdevFrames, ButtonsWheelAndMotionGoOutOnTheMouse) {
    EvdevFrames frames;
    EXPECT_EQ(Translate(frames, Mouse(kMouseLeftDown)),
              (Events{{kMouse, EV_KEY, BTN_LEFT, 1}, Syn(kMouse)}));
    EXPECT_EQ(Translate(frames, Mouse(kMouseRightUp)),
              (Events{{kMouse, EV_KEY, BTN_RIGHT, 0}, Syn(kMouse)}));
    EXPECT_EQ(Translate(frames, Mouse(kMouseMiddleDown)),
              (Events{{kMouse, EV_KEY, BTN_MIDDLE, 1}, Syn(kMouse)}));
    EXPECT_EQ(
        Translate(frames, Mouse(kMouseWheel, 120)),
        (Events{
            {kMouse, EV_REL, REL_WHEEL, 1}, {kMouse, EV_REL, REL_WHEEL_HI_RES, 120}, Syn(kMouse)}));
    EXPECT_EQ(Translate(frames, Mouse(kMouseWheel, -120)),
              (Events{{kMouse, EV_REL, REL_WHEEL, -1},
                      {kMouse, EV_REL, REL_WHEEL_HI_RES, -120},
                      Syn(kMouse)}));
    EXPECT_EQ(Translate(frames, Mouse(kMouseMove, 0, 5, -3)),
              (Events{{kMouse, EV_REL, REL_X, 5}, {kMouse, EV_REL, REL_Y, -3}, Syn(kMouse)}));
    EXPECT_EQ(Translate(frames, Mouse(kMouseMove, 0, 0, 4)),
              (Events{{kMouse, EV_REL, REL_Y, 4}, Syn(kMouse)}));
    EXPECT_TRUE(Translate(frames, Mouse(kMouseMove)).empty());
}

TEST(EvdevFrames, ReleaseAllLetsGoOfExactlyWhatIsStillDown) {
    EvdevFrames frames;
    Translate(frames, Key(0xA0));
    Translate(frames, Key(0x41));
    Translate(frames, Key(0x41));
    Translate(frames, Key(0x42));
    Translate(frames, Key(0x41, true));
    Translate(frames, Mouse(kMouseLeftDown));
    Translate(frames, Mouse(kMouseRightDown));
    Translate(frames, Mouse(kMouseRightUp));

    EXPECT_EQ(frames.ReleaseAll(), (Events{{kKeyboard, EV_KEY, KEY_B, 0},
                                           {kKeyboard, EV_KEY, KEY_LEFTSHIFT, 0},
                                           Syn(kKeyboard),
                                           {kMouse, EV_KEY, BTN_LEFT, 0},
                                           Syn(kMouse)}));
    EXPECT_TRUE(frames.ReleaseAll().empty());
}

TEST(EvdevFrames, ARecordWithEveryFlagFitsItsFrame) {
    EvdevFrames frames;
    const uint32_t every = kMouseMove | kMouseLeftDown | kMouseLeftUp | kMouseRightDown |
                           kMouseRightUp | kMouseMiddleDown | kMouseMiddleUp | kMouseWheel;
    const Events events = Translate(frames, Mouse(every, 240, 1, 1));
    EXPECT_EQ(events.size(), EvdevFrame::kCapacity);
    EXPECT_EQ(events.back(), Syn(kMouse));
}

// What each write hands the kernel: the device and the events' type, code and value.
struct Write {
    EvdevDevice device;
    std::vector<std::array<int, 3>> events;
    bool operator==(const Write&) const = default;
};

std::vector<Write> Batches(const Events& events) {
    std::vector<Write> writes;
    BatchFrames(events, [&](EvdevDevice device, std::span<const input_event> batch) {
        Write write{device, {}};
        for (const input_event& e : batch) {
            write.events.push_back({e.type, e.code, e.value});
        }
        writes.push_back(write);
    });
    return writes;
}

TEST(BatchFrames, EachDevicesFrameIsOneWrite) {
    EvdevFrames frames;
    EXPECT_EQ(Batches(Translate(frames, Mouse(kMouseMove, 0, 5, -3))),
              (std::vector<Write>{
                  {kMouse, {{EV_REL, REL_X, 5}, {EV_REL, REL_Y, -3}, {EV_SYN, SYN_REPORT, 0}}}}));

    Translate(frames, Key(0x41));
    Translate(frames, Mouse(kMouseLeftDown));
    EXPECT_EQ(Batches(frames.ReleaseAll()),
              (std::vector<Write>{{kKeyboard, {{EV_KEY, KEY_A, 0}, {EV_SYN, SYN_REPORT, 0}}},
                                  {kMouse, {{EV_KEY, BTN_LEFT, 0}, {EV_SYN, SYN_REPORT, 0}}}}));

    // Every key of the keyboard let go at once: a frame longer than one write can take.
    for (uint16_t vk = 0; vk < 256; ++vk) {
        Translate(frames, Key(vk));
    }
    const std::vector<Write> writes = Batches(frames.ReleaseAll());
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].events.size(), kMostEventsPerWrite);
    EXPECT_EQ(writes[1].events.size(), kMostEventsPerWrite);
    EXPECT_EQ(writes[0].events.size() + writes[1].events.size() + writes[2].events.size(),
              EvdevFrames().KeyboardKeys().size() + 1);
}

TEST(EvdevFrames, TheKeyboardDeclaresEachMappedKeyOnce) {
    const auto keys = EvdevFrames().KeyboardKeys();
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 0), 0);
    EXPECT_EQ(keys.size(), 141u) << "the key buttons' 137 keys and F21 to F24";
}

}  // namespace
}  // namespace qv
