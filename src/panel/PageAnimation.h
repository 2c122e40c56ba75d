#pragma once

#include <array>
#include <cstdint>

#include "model/Model.h"

namespace qv {

// Top and Height of one shift page, in twips.
struct PagePlace {
    int16_t Top = 0;
    int16_t Height = 0;
};

// Moves the three shift pages towards their targets, one step per refresh: slow at the start,
// fast in the middle, slow near the end.
class PageAnimation final {
public:
    // The pages start at rest on `targets`.
    explicit PageAnimation(const PageTargets& targets);

    // One step of every page from the geometry the pages report towards `targets`; a value that
    // already equals its target keeps its animation value.
    void Step(const std::array<PagePlace, kPages>& reported, const PageTargets& targets);

    std::array<int16_t, kPages> PanelTopNow{};
    std::array<int16_t, kPages> PanelHeightNow{};
};

// The distance a page moves in one step when it is `distance` twips from its target.
int PageStep(int distance);

}  // namespace qv
