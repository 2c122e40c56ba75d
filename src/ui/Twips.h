#pragma once

#include <QRect>

namespace qv {

// The windows are designed in twips; at 96 DPI one pixel is 15 of them.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace qv
