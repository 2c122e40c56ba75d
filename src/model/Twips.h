#pragma once

namespace qv {

// The windows are designed in twips; at 96 DPI one pixel is 15 of them.
inline constexpr int kTwipsPerPixel = 15;

// Whole pixels, the rest dropped.
constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace qv
