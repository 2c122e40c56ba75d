#include "panel/PanelColour.h"

namespace qv {

QColor ColourFromValue(uint32_t value, const QPalette& palette) {
    if (value & 0x80000000u) {
        const auto role =
            (value & 0xFFu) == (kButtonFace & 0xFFu) ? QPalette::Button : QPalette::ButtonText;
        return palette.color(role);
    }
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

}  // namespace qv
