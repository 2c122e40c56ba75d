#pragma once

#include <QColor>

#include "ui/AppLook.h"
#include "ui/Twips.h"

namespace qv {

// Colours are given as &H00BBGGRR numbers.
inline QColor ColourNumber(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline const QColor kPanelColour = ColourNumber(0xA6A198);
inline const QColor kActiveFace = ColourNumber(0xC0);

}  // namespace qv
