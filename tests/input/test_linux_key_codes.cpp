#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <map>

#include "input/LinuxKeyCodes.h"

namespace qv {
namespace {

// The output codes of the assignment dialog's key buttons.
constexpr int kKeyButtons[] = {
    1,   4,   2,   5,   6,   177, 178, 179, 176, 174, 175, 173, 182, 183, 180, 181, 12,  41,  42,
    43,  47,  172, 171, 170, 169, 168, 166, 167, 27,  112, 113, 114, 115, 116, 117, 118, 119, 120,
    121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 192, 49,  50,  51,  52,  53,  54,  55,
    56,  57,  48,  189, 187, 8,   44,  145, 19,  144, 111, 106, 109, 9,   81,  87,  69,  82,  84,
    89,  85,  73,  79,  80,  219, 221, 220, 45,  36,  33,  103, 104, 105, 107, 20,  65,  83,  68,
    70,  71,  72,  74,  75,  76,  186, 222, 13,  46,  35,  34,  100, 101, 102, 160, 90,  88,  67,
    86,  66,  78,  77,  188, 190, 191, 161, 38,  97,  98,  99,  108, 162, 91,  164, 32,  165, 92,
    93,  163, 37,  40,  39,  96,  110, 136, 137, 138, 139, 140, 141, 142, 143, 251, 95,
};

bool IsMouseOrDelay(int code) {
    return code == 1 || code == 2 || code == 4 || code == 5 || code == 6 ||
           (code >= 136 && code <= 143);
}

TEST(LinuxKeyCodes, EveryKeyButtonMapsToItsOwnLinuxKey) {
    static_assert(std::size(kKeyButtons) == 150);
    const LinuxKeyTable table = FillLinuxKeyCodes();
    std::map<uint16_t, int> owner;
    for (int code : kKeyButtons) {
        const uint16_t key = table[static_cast<size_t>(code)];
        if (IsMouseOrDelay(code)) {
            EXPECT_EQ(key, 0) << "code " << code << " is not a keyboard key";
            continue;
        }
        EXPECT_NE(key, 0) << "code " << code;
        const auto [it, fresh] = owner.emplace(key, code);
        EXPECT_TRUE(fresh) << "codes " << it->second << " and " << code << " both send " << key;
    }
    EXPECT_EQ(owner.size(), 137u);
}

TEST(LinuxKeyCodes, NoKeyIsAJoystickButton) {
    // A keyboard declaring one of these is taken for a joystick by the desktop.
    for (uint16_t key : FillLinuxKeyCodes()) {
        EXPECT_FALSE(key >= BTN_MISC && key <= BTN_GEAR_UP) << key;
        EXPECT_FALSE(key >= BTN_TRIGGER_HAPPY && key <= BTN_TRIGGER_HAPPY40) << key;
        EXPECT_LE(key, KEY_MAX);
    }
}

}  // namespace
}  // namespace qv
