#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace qv::test {

// The box around a button's dark caption pixels, inside its bevel.
inline QRect CaptionInk(const QImage& image) {
    QRect ink;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

inline int PixelsOtherThan(const QImage& image, const QRect& area, const QColor& colour) {
    int other = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            other += image.pixelColor(x, y) != colour ? 1 : 0;
        }
    }
    return other;
}

}  // namespace qv::test
