#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace qv {

// Colour values as the panel's design writes them: &H00BBGGRR, or with the top bit set the index
// of a system colour, taken from the widget's palette.
inline constexpr uint32_t kRed = 0x0000FF;
inline constexpr uint32_t kCyan = 0xFFFF00;
inline constexpr uint32_t kGreen = 0x00C000;
inline constexpr uint32_t kSlate = 0x72635F;
inline constexpr uint32_t kButtonFace = 0x8000000F;
inline constexpr uint32_t kButtonText = 0x80000012;

QColor ColourFromValue(uint32_t value, const QPalette& palette);

}  // namespace qv
