#pragma once

#include <QFont>
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

// Arial, which fontconfig serves with the metric-compatible Liberation Sans.
inline QFont ArialFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace qv
