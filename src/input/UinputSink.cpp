#include "input/UinputSink.h"

#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace qv {
namespace {

using Codes = std::vector<std::pair<unsigned, unsigned>>;

struct EvdevFree {
    void operator()(libevdev* dev) const { libevdev_free(dev); }
};

// Long enough for a reader woken by the releases to take them before the devices go.
constexpr std::chrono::milliseconds kReadersGrace{10};

std::string Describe(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

}  // namespace

UinputSink::Device::~Device() {
    Destroy();
}

int UinputSink::Device::Create(const std::string& path, const Identity& identity,
                               const Codes& codes) {
    std::unique_ptr<libevdev, EvdevFree> dev(libevdev_new());
    if (!dev) {
        return -ENOMEM;
    }
    libevdev_set_name(dev.get(), identity.name);
    libevdev_set_phys(dev.get(), identity.phys);
    libevdev_set_id_bustype(dev.get(), BUS_VIRTUAL);
    libevdev_set_id_vendor(dev.get(), kVirtualVendor);
    libevdev_set_id_product(dev.get(), identity.product);
    for (const auto& [type, code] : codes) {
        if (libevdev_enable_event_code(dev.get(), type, code, nullptr) != 0) {
            return -EINVAL;
        }
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        return -errno;
    }
    const int rc = libevdev_uinput_create_from_device(dev.get(), fd_, &uinput_);
    if (rc != 0) {
        uinput_ = nullptr;
        Destroy();
        return rc;
    }
    return 0;
}

bool UinputSink::Device::Write(std::span<const input_event> events) {
    const auto bytes = static_cast<ssize_t>(events.size_bytes());
    return uinput_ != nullptr && ::write(fd_, events.data(), events.size_bytes()) == bytes;
}

void UinputSink::Device::Destroy() {
    if (uinput_ != nullptr) {
        libevdev_uinput_destroy(uinput_);
        uinput_ = nullptr;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::unique_ptr<UinputSink> UinputSink::Create(const std::string& path, Clock& clock,
                                               std::string& whyNot) {
    std::unique_ptr<UinputSink> sink(new UinputSink(clock));

    Codes keyboard;
    for (uint16_t key : sink->frames_.KeyboardKeys()) {
        keyboard.emplace_back(EV_KEY, key);
    }
    const Codes mouse = {
        {EV_REL, REL_X},    {EV_REL, REL_Y},     {EV_REL, REL_WHEEL}, {EV_REL, REL_WHEEL_HI_RES},
        {EV_KEY, BTN_LEFT}, {EV_KEY, BTN_RIGHT}, {EV_KEY, BTN_MIDDLE}};

    int rc = sink->keyboard_.Create(
        path, {"Quorvane keyboard", kVirtualKeyboardProduct, kVirtualKeyboardPhys}, keyboard);
    if (rc == 0) {
        rc = sink->mouse_.Create(path, {"Quorvane mouse", kVirtualMouseProduct, kVirtualMousePhys},
                                 mouse);
    }
    if (rc != 0) {
        whyNot = Describe(path, -rc);
        return nullptr;
    }
    return sink;
}

UinputSink::~UinputSink() {
    Close();
}

void UinputSink::Send(const InputRecord& record) {
    if (!closed_) {
        Play(frames_.Translate(record).Events());
    }
}

// The time stamps are left to the kernel, which sets its own.
void UinputSink::Play(std::span<const EvdevEvent> events) {
    BatchFrames(events, [this](EvdevDevice device, std::span<const input_event> batch) {
        (device == EvdevDevice::Keyboard ? keyboard_ : mouse_).Write(batch);
    });
}

void UinputSink::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    Play(frames_.ReleaseAll());
    clock_.Sleep(kReadersGrace);
    keyboard_.Destroy();
    mouse_.Destroy();
}

}  // namespace qv
