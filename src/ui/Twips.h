#pragma once

#include <QRect>

#include "model/Twips.h"

namespace qv {

// A place designed in twips, in whole pixels.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace qv
