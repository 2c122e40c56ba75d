#include "panel/PageAnimation.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

// Runs the animation on geometry that reports exactly what was last set, as the panel's pages do,
// and returns the Heights (or Tops) page `page` (1..3) takes.
std::vector<int> Travel(int from, int open, int page, int ticks, bool heights) {
    PageAnimation animation(PageLayout(from));
    const PageTargets targets = PageLayout(open);
    std::vector<int> seen;
    for (int t = 0; t < ticks; ++t) {
        std::array<PagePlace, kPages> reported;
        for (int k = 0; k < kPages; ++k) {
            reported[k] = {animation.PanelTopNow[k], animation.PanelHeightNow[k]};
        }
        animation.Step(reported, targets);
        seen.push_back(heights ? animation.PanelHeightNow[page - 1]
                               : animation.PanelTopNow[page - 1]);
    }
    return seen;
}

TEST(PageAnimation, StepGrowsToTheMiddleAndShrinksBeyondRoundingHalvesToEven) {
    EXPECT_EQ(PageStep(0), 5);
    EXPECT_EQ(PageStep(1), 6);  // 5.5 -> 6
    EXPECT_EQ(PageStep(3), 6);  // 6.5 -> 6
    EXPECT_EQ(PageStep(5), 8);  // 7.5 -> 8
    EXPECT_EQ(PageStep(600), 305);
    EXPECT_EQ(PageStep(1200), 5);
    EXPECT_EQ(PageStep(1199), 6);
}

TEST(PageAnimation, OpeningPageTakesTheHeightsAndThenAlternatesAboutItsTarget) {
    const std::vector<int> opening{380,  388,  400,  418,  444,  484,  544,  634,
                                   768,  970,  1272, 1428, 1506, 1546, 1566, 1576,
                                   1570, 1578, 1572, 1578, 1572, 1578};
    EXPECT_EQ(Travel(1, 2, 2, 22, true), opening);
}

TEST(PageAnimation, ClosingPageTakesTheHeightsAndThenAlternatesAboutItsTarget) {
    const std::vector<int> closing{1570, 1562, 1550, 1532, 1506, 1466, 1406, 1316, 1182, 980, 678,
                                   522,  444,  404,  384,  374,  380,  372,  378,  372,  378, 372};
    EXPECT_EQ(Travel(1, 2, 1, 22, true), closing);
}

TEST(PageAnimation, TopsMoveWithTheSameStepsAndUnmovedPagesStayPut) {
    const std::vector<int> tops = Travel(1, 3, 2, 16, false);
    EXPECT_EQ(tops.front(), 5995);
    EXPECT_EQ(tops.back(), 4799);
    EXPECT_EQ(Travel(1, 3, 1, 15, false), std::vector<int>(15, 4320));
    EXPECT_EQ(Travel(1, 3, 2, 3, true), (std::vector<int>{375, 375, 375}));
}

TEST(PageAnimation, ValueOnItsTargetKeepsItsAnimationValue) {
    PageAnimation animation(PageLayout(1));
    animation.PanelHeightNow[1] = 999;
    animation.PanelTopNow[1] = 1;
    // Page 2 reports its target exactly, so neither of its values is written.
    animation.Step({PagePlace{4320, 1575}, PagePlace{6000, 375}, PagePlace{6480, 375}},
                   PageLayout(1));
    EXPECT_EQ(animation.PanelHeightNow[1], 999);
    EXPECT_EQ(animation.PanelTopNow[1], 1);
    // Moves start from what the page reports, not from the animation value.
    animation.Step({PagePlace{4320, 1575}, PagePlace{6000, 1575}, PagePlace{6480, 375}},
                   PageLayout(1));
    EXPECT_EQ(animation.PanelHeightNow[1], 1570);
}

}  // namespace
}  // namespace qv
