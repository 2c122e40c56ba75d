#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "input/EvdevFrames.h"
#include "input/InputSink.h"

struct libevdev_uinput;

namespace qv {

// Synthesized input through two virtual devices made with uinput: a keyboard that declares every
// key it can send, and a mouse with three buttons, relative motion and the wheel.
class UinputSink final : public InputSink {
public:
    // Creates both devices through the uinput node at `path`; nullptr, and the reason in
    // `whyNot`, when either can't be created.
    static std::unique_ptr<UinputSink> Create(const std::string& path, std::string& whyNot);

    ~UinputSink() override;
    UinputSink(const UinputSink&) = delete;
    UinputSink& operator=(const UinputSink&) = delete;

    void send(const InputRecord& record) override;
    // Releases what is still down, then removes both devices.
    void close() override;

private:
    // One virtual device and the file it was created through.
    class Device final {
    public:
        Device() = default;
        ~Device();
        Device(const Device&) = delete;
        Device& operator=(const Device&) = delete;

        // 0 on success, else a negative errno.
        int create(const std::string& path, const std::string& name,
                   const std::vector<std::pair<unsigned, unsigned>>& codes);
        // False when the event was refused; it is then lost.
        bool write(unsigned type, unsigned code, int value);
        void destroy();

    private:
        int fd_ = -1;
        libevdev_uinput* uinput_ = nullptr;
    };

    UinputSink() = default;
    void write(const std::vector<EvdevEvent>& events);

    EvdevFrames frames_;
    Device keyboard_;
    Device mouse_;
    bool closed_ = false;
};

}  // namespace qv
