#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "input/EvdevFrames.h"
#include "input/InputSink.h"
#include "model/Clock.h"

struct libevdev_uinput;
struct input_event;

namespace qv {

// The ids and phys strings of the two virtual devices, so that udev and hwdb rules can match
// them. On the virtual bus the vendor id is ours to choose: "QV" in ASCII.
inline constexpr uint16_t kVirtualVendor = 0x5156;
inline constexpr uint16_t kVirtualKeyboardProduct = 0x0001;
inline constexpr uint16_t kVirtualMouseProduct = 0x0002;
inline constexpr const char* kVirtualKeyboardPhys = "quorvane/keyboard";
inline constexpr const char* kVirtualMousePhys = "quorvane/mouse";

// Synthesized input through two virtual devices made with uinput: a keyboard that declares every
// key it can send, and a mouse with three buttons, relative motion and the wheel.
class UinputSink final : public InputSink {
public:
    // Creates both devices through the uinput node at `path`; nullptr, and the reason in
    // `whyNot`, when either can't be created. The clock times the readers' last look at close.
    static std::unique_ptr<UinputSink> Create(const std::string& path, Clock& clock,
                                              std::string& whyNot);

    ~UinputSink() override;
    UinputSink(const UinputSink&) = delete;
    UinputSink& operator=(const UinputSink&) = delete;

    void Send(const InputRecord& record) override;
    // Releases what is still down, gives the readers a moment to take the releases, then
    // removes both devices: a device removed at once takes its unread events with it.
    void Close() override;

private:
    // One virtual device and the file it was created through.
    class Device final {
    public:
        Device() = default;
        ~Device();
        Device(const Device&) = delete;
        Device& operator=(const Device&) = delete;

        struct Identity {
            const char* name;
            uint16_t product;
            const char* phys;
        };
        // 0 on success, else a negative errno.
        int Create(const std::string& path, const Identity& identity,
                   const std::vector<std::pair<unsigned, unsigned>>& codes);
        // Hands the kernel a whole frame in one write; false when it was refused, and then it
        // is lost.
        bool Write(std::span<const input_event> events);
        void Destroy();

    private:
        int fd_ = -1;
        libevdev_uinput* uinput_ = nullptr;
    };

    explicit UinputSink(Clock& clock) : clock_(clock) {}
    void Play(std::span<const EvdevEvent> events);

    Clock& clock_;
    EvdevFrames frames_;
    Device keyboard_;
    Device mouse_;
    bool closed_ = false;
};

}  // namespace qv
