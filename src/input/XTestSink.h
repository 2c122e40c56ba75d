#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "input/EvdevFrames.h"
#include "input/InputSink.h"

struct _XDisplay;

namespace qv {

// Synthesized input through the X server's XTEST extension, for when uinput can't be used.
// Keys go out as X key codes under the evdev rules (the Linux key code + 8).
class XTestSink final : public InputSink {
public:
    // Connects to `displayName` (the X default when null); nullptr, and the reason in `whyNot`,
    // when the display can't be opened or lacks the extension.
    static std::unique_ptr<XTestSink> Create(const char* displayName, std::string& whyNot);

    ~XTestSink() override;
    XTestSink(const XTestSink&) = delete;
    XTestSink& operator=(const XTestSink&) = delete;

    void Send(const InputRecord& record) override;
    // Releases what is still down and leaves the display.
    void Close() override;

private:
    explicit XTestSink(_XDisplay* display);
    void Play(std::span<const EvdevEvent> events);
    void Key(uint16_t linuxCode, bool down);

    _XDisplay* display_ = nullptr;
    EvdevFrames frames_;
    int minKeycode_ = 0;
    int maxKeycode_ = 0;
};

}  // namespace qv
