#include "panel/StartupFailure.h"

#include <algorithm>

namespace qv {

std::string StartupFailureLines() {
    std::string lines = std::string(kInitErrorTitle) + '\r' + kInitErrorText + '\r';
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    return lines;
}

}  // namespace qv
