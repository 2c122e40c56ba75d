#include "panel/StartupFailure.h"

#include <algorithm>

namespace qv {

std::string StartupFailureText(const std::string& deniedNode) {
    if (deniedNode.empty()) {
        return kInitErrorText;
    }
    return "Strategic Commander is plugged in at " + deniedNode +
           ", but Quorvane may not open it.\r\r"
           "Quorvane's udev rules give you access to the controller. Install them as\r"
           "  " QV_UDEV_RULES_FILE
           "\r"
           "(cmake --install puts them there) and load them as root:\r"
           "  udevadm control --reload-rules\r"
           "  udevadm trigger\r"
           "Then remove and re-insert Strategic Commander and run 'Quorvane' again.";
}

std::string StartupFailureLines(const std::string& text) {
    std::string lines = std::string(kInitErrorTitle) + '\r' + text + '\r';
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    return lines;
}

}  // namespace qv
