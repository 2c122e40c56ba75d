#pragma once

#include <memory>
#include <string>

#include "input/InputSink.h"
#include "model/Clock.h"

namespace qv {

// The first backend that can be used: uinput at /dev/uinput, then XTEST on $DISPLAY. When
// neither can, nullptr and in `whyNot` one line naming the causes and the mend.
std::unique_ptr<InputSink> OpenInputSink(Clock& clock, std::string& whyNot);

// The same with the uinput node and the X display given; a null display skips XTEST.
std::unique_ptr<InputSink> OpenInputSink(const std::string& uinputPath, const char* display,
                                         Clock& clock, std::string& whyNot);

// Sends nothing: what the program runs with when no backend can be used.
class NullInputSink final : public InputSink {
public:
    void Send(const InputRecord&) override {}
};

}  // namespace qv
