#include "ui/PanelColour.h"

#include "ui/PanelLook.h"

namespace qv {

QColor ColourFromValue(uint32_t value, const QPalette& palette) {
    if (value & 0x80000000u) {
        const auto role =
            (value & 0xFFu) == (kButtonFace & 0xFFu) ? QPalette::Button : QPalette::ButtonText;
        return palette.color(role);
    }
    return ColourNumber(value);
}

}  // namespace qv
