#include "input/OpenInputSink.h"

#include <cstdlib>

#include "input/UinputSink.h"
#include "input/XTestSink.h"

namespace qv {

std::unique_ptr<InputSink> OpenInputSink(Clock& clock, std::string& whyNot) {
    const char* display = std::getenv("DISPLAY");
    return OpenInputSink("/dev/uinput", display != nullptr && *display != '\0' ? display : nullptr,
                         clock, whyNot);
}

std::unique_ptr<InputSink> OpenInputSink(const std::string& uinputPath, const char* display,
                                         Clock& clock, std::string& whyNot) {
    std::string uinputWhy;
    if (auto sink = UinputSink::Create(uinputPath, clock, uinputWhy)) {
        return sink;
    }
    std::string xWhy = "no X display could be opened (DISPLAY is not set)";
    if (display != nullptr) {
        if (auto sink = XTestSink::Create(display, xWhy)) {
            return sink;
        }
    }
    whyNot = "Quorvane can't send keyboard and mouse input: " + uinputWhy + "; " + xWhy +
             ". To allow it, install the rules file " QV_UDEV_RULES_FILE
             " (cmake --install puts it there), then reload the rules as root: "
             "udevadm control --reload-rules && udevadm trigger";
    return nullptr;
}

}  // namespace qv
