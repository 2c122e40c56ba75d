#pragma once

#include <QColor>
#include <QRect>

#include "ui/AppLook.h"

namespace qv {

// The panel is designed in twips; at 96 DPI one pixel is 15 of them.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// Colours are given as &H00BBGGRR numbers.
inline QColor ColourNumber(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline const QColor kPanelColour = ColourNumber(0xA6A198);
inline const QColor kActiveFace = ColourNumber(0xC0);

}  // namespace qv
