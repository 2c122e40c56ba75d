#pragma once

#include <string>

namespace qv {

// Why no display can be opened for the windows, as one line for stderr; empty when one can.
// Qt aborts the program when none of the displays it tries opens, so this runs before the
// application object is made. A platform chosen by hand (QT_QPA_PLATFORM) is left to Qt.
std::string WhyNoDisplay();

}  // namespace qv
