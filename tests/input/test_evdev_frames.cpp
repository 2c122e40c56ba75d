#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <algorithm>
#include <ostream>
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

EvdevEvent Syn(EvdevDevice device) {
    return {device, EV_SYN, SYN_REPORT, 0};
}

TEST(EvdevFrames, KeysGoOutOnTheKeyboardOneFrameEach) {
    EvdevFrames frames;
    EXPECT_EQ(frames.translate(Key(0x41)), (Events{{kKeyboard, EV_KEY, KEY_A, 1}, Syn(kKeyboard)}));
    EXPECT_EQ(frames.translate(Key(0x25, true) /* extended flag plays no part */),
              (Events{{kKeyboard, EV_KEY, KEY_LEFT, 0}, Syn(kKeyboard)}));
    EXPECT_TRUE(frames.translate(Key(0x03)).empty()) << "a code with no Linux key sends nothing";
    EXPECT_TRUE(frames.translate(Key(0x100)).empty());
}

TEST(EvdevFrames, ButtonsWheelAndMotionGoOutOnTheMouse) {
    EvdevFrames frames;
    EXPECT_EQ(frames.translate(Mouse(kMouseLeftDown)),
              (Events{{kMouse, EV_KEY, BTN_LEFT, 1}, Syn(kMouse)}));
    EXPECT_EQ(frames.translate(Mouse(kMouseRightUp)),
              (Events{{kMouse, EV_KEY, BTN_RIGHT, 0}, Syn(kMouse)}));
    EXPECT_EQ(frames.translate(Mouse(kMouseMiddleDown)),
              (Events{{kMouse, EV_KEY, BTN_MIDDLE, 1}, Syn(kMouse)}));
    EXPECT_EQ(
        frames.translate(Mouse(kMouseWheel, 120)),
        (Events{
            {kMouse, EV_REL, REL_WHEEL, 1}, {kMouse, EV_REL, REL_WHEEL_HI_RES, 120}, Syn(kMouse)}));
    EXPECT_EQ(frames.translate(Mouse(kMouseWheel, -120)),
              (Events{{kMouse, EV_REL, REL_WHEEL, -1},
                      {kMouse, EV_REL, REL_WHEEL_HI_RES, -120},
                      Syn(kMouse)}));
    EXPECT_EQ(frames.translate(Mouse(kMouseMove, 0, 5, -3)),
              (Events{{kMouse, EV_REL, REL_X, 5}, {kMouse, EV_REL, REL_Y, -3}, Syn(kMouse)}));
    EXPECT_EQ(frames.translate(Mouse(kMouseMove, 0, 0, 4)),
              (Events{{kMouse, EV_REL, REL_Y, 4}, Syn(kMouse)}));
    EXPECT_TRUE(frames.translate(Mouse(kMouseMove)).empty());
}

TEST(EvdevFrames, ReleaseAllLetsGoOfExactlyWhatIsStillDown) {
    EvdevFrames frames;
    frames.translate(Key(0xA0));
    frames.translate(Key(0x41));
    frames.translate(Key(0x41));
    frames.translate(Key(0x42));
    frames.translate(Key(0x41, true));
    frames.translate(Mouse(kMouseLeftDown));
    frames.translate(Mouse(kMouseRightDown));
    frames.translate(Mouse(kMouseRightUp));

    EXPECT_EQ(frames.releaseAll(), (Events{{kKeyboard, EV_KEY, KEY_B, 0},
                                           {kKeyboard, EV_KEY, KEY_LEFTSHIFT, 0},
                                           Syn(kKeyboard),
                                           {kMouse, EV_KEY, BTN_LEFT, 0},
                                           Syn(kMouse)}));
    EXPECT_TRUE(frames.releaseAll().empty());
}

TEST(EvdevFrames, TheKeyboardDeclaresEachMappedKeyOnce) {
    const auto keys = EvdevFrames().keyboardKeys();
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 0), 0);
    EXPECT_EQ(keys.size(), 141u) << "the key buttons' 137 keys and F21 to F24";
}

}  // namespace
}  // namespace qv
