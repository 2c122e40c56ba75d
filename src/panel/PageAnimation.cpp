#include "panel/PageAnimation.h"

#include <cstdlib>

namespace qv {

namespace {

// n / 2 rounded to the nearest integer, ties to even.
int HalfToEven(int n) {
    const int q = n / 2;
    if (n % 2 == 0) {
        return q;
    }
    const int lower = n < 0 ? q - 1 : q;
    return lower % 2 == 0 ? lower : lower + 1;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

int16_t MoveTowards(int16_t now, int reported, int target) {
    if (reported == target) {
        return now;
    }
    return static_cast<int16_t>(reported +
                                Sign(target - reported) * PageStep(std::abs(reported - target)));
}

}  // namespace

int PageStep(int distance) {
    return HalfToEven(610 - std::abs(600 - distance));
}

PageAnimation::PageAnimation(const PageTargets& targets)
    : PanelTopNow(targets.PanelTop), PanelHeightNow(targets.PanelHeight) {}

void PageAnimation::Step(const std::array<PagePlace, kPages>& reported,
                         const PageTargets& targets) {
    for (int k = 0; k < kPages; ++k) {
        PanelHeightNow[k] =
            MoveTowards(PanelHeightNow[k], reported[k].Height, targets.PanelHeight[k]);
        PanelTopNow[k] = MoveTowards(PanelTopNow[k], reported[k].Top, targets.PanelTop[k]);
    }
}

}  // namespace qv
