#include <gtest/gtest.h>

#include <map>
#include <set>

#include "keys/KeyButtons.h"

namespace qv {
namespace {

TEST(KeyButtons, EveryCodeHasOneButtonAndOnlyHomeAndStopShareACaption) {
    std::set<int> codes;
    std::map<std::string, int> uses;
    for (const KeyButton& key : KeyButtons()) {
        EXPECT_TRUE(codes.insert(key.code).second) << key.code;
        EXPECT_EQ(KeyButtonCaption(key.code), key.caption);
        ++uses[key.caption];
    }
    EXPECT_EQ(codes.size(), 150u);
    for (const auto& [caption, count] : uses) {
        EXPECT_EQ(count, caption == "HOME" || caption == "STOP" ? 2 : 1) << caption;
    }
}

// Each frame's buttons stay inside it, below its top edge, and no two of them overlap.
TEST(KeyButtons, ButtonsFitTheirFramesWithoutOverlapping) {
    const std::map<KeyFrame, std::pair<int, int>> frameSize{
        {KeyFrame::Frame9, {4215, 735}}, {KeyFrame::Frame10, {4335, 735}},
        {KeyFrame::Frame6, {2775, 735}}, {KeyFrame::Frame7, {3255, 735}},
        {KeyFrame::Frame8, {4455, 735}}, {KeyFrame::Frame4, {11175, 3255}},
        {KeyFrame::Frame2, {8775, 735}}, {KeyFrame::Frame5, {855, 735}},
        {KeyFrame::Frame3, {735, 735}}};
    const auto buttons = KeyButtons();
    for (const KeyButton& a : buttons) {
        const auto [width, height] = frameSize.at(a.frame);
        EXPECT_GE(a.left, 0) << a.caption;
        EXPECT_LE(a.left + a.width, width) << a.caption;
        EXPECT_GE(a.top, 240) << a.caption;
        EXPECT_LE(a.top + a.height, height) << a.caption;
        for (const KeyButton& b : buttons) {
            if (&a == &b || a.frame != b.frame) {
                continue;
            }
            // Rows are 480 apart with 495-high keys: a touch of 15 twips is the design.
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top + 15 || b.top + b.height <= a.top + 15;
            EXPECT_TRUE(apart) << a.caption << " / " << b.caption;
        }
    }
}

TEST(KeyButtons, StepCaptionNamesCodesWithoutAButtonByNumber) {
    EXPECT_EQ(StepCaption(192), "~ `");
    EXPECT_EQ(StepCaption(222), "\" '");
    EXPECT_EQ(StepCaption(0), "<0>");
    EXPECT_EQ(StepCaption(255), "<255>");
    EXPECT_EQ(StepCaption(1000), "<1000>");
    EXPECT_EQ(KeyButtonCaption(-1), nullptr);
}

}  // namespace
}  // namespace qv
