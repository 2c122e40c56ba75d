#include <gtest/gtest.h>

#include <memory>

#include "model/Model.h"

namespace qv {
namespace {

TEST(Defaults, EveryModeHoldsTheSameSingleKeyAssignments) {
    auto model = std::make_unique<Model>();
    FillDefaults(*model);
    for (int mode = 0; mode < kModes; ++mode) {
        const auto& up = model->KeyMap[mode][0];
        EXPECT_EQ(up[0], 0);
        EXPECT_EQ(up[1], 0x57);
        EXPECT_FALSE(model->KeyMapCombo[mode][0][1]);
        EXPECT_EQ(up[2], 0) << "a default is a key group of one key";
        EXPECT_EQ(model->KeyLabel[mode][0], "Move Up");
        EXPECT_EQ(model->KeyMap[mode][12][1], 0xA2);
        EXPECT_EQ(model->KeyLabel[mode][15], "Reload");
        EXPECT_EQ(model->KeyMap[mode][33][1], 0x7D);
        EXPECT_EQ(model->KeyLabel[mode][33], "F14");
    }
}

TEST(Defaults, LampBytesMarkTheSlotsPhysicalButton) {
    auto model = std::make_unique<Model>();
    FillDefaults(*model);
    using Pair = std::array<uint8_t, 2>;
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 13, 14}) {
        EXPECT_EQ(model->ButtonLed[slot], (Pair{0x00, 0x00})) << slot;
    }
    EXPECT_EQ(model->ButtonLed[15], (Pair{0x55, 0x25}));
    // Each lamp pair is the idle pattern with the button's two-bit field raised to 2.
    for (int button = 1; button <= 6; ++button) {
        const int field = 2 * (button - 1);
        const uint16_t idle = 0x1555;
        const auto marked = static_cast<uint16_t>((idle & ~(3u << field)) | (2u << field));
        const Pair expected{static_cast<uint8_t>(marked & 0xFF), static_cast<uint8_t>(marked >> 8)};
        for (int base : {6, 15, 21, 27}) {
            EXPECT_EQ(model->ButtonLed[base + button], expected) << base + button;
        }
    }
}

TEST(PageLayouts, OpenOnePageAndStackTheOthers) {
    EXPECT_EQ(PageLayout(1).PanelTop, (std::array<int16_t, 3>{4320, 6000, 6480}));
    EXPECT_EQ(PageLayout(2).PanelHeight, (std::array<int16_t, 3>{375, 1575, 375}));
    const PageTargets three = PageLayout(3);
    EXPECT_EQ(three.PanelTop, (std::array<int16_t, 3>{4320, 4800, 5280}));
    for (int open = 1; open <= 3; ++open) {
        const PageTargets layout = PageLayout(open);
        for (int k = 0; k + 1 < kPages; ++k) {
            EXPECT_EQ(layout.PanelTop[k] + layout.PanelHeight[k] + 105, layout.PanelTop[k + 1]);
        }
    }
}

}  // namespace
}  // namespace qv
