#include "input/UinputSink.h"

#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace qv {
namespace {

using Codes = std::vector<std::pair<unsigned, unsigned>>;

struct EvdevFree {
    void operator()(libevdev* dev) const { libevdev_free(dev); }
};

std::string Describe(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

}  // namespace

UinputSink::Device::~Device() {
    destroy();
}

int UinputSink::Device::create(const std::string& path, const std::string& name,
                               const Codes& codes) {
    std::unique_ptr<libevdev, EvdevFree> dev(libevdev_new());
    if (!dev) {
        return -ENOMEM;
    }
    libevdev_set_name(dev.get(), name.c_str());
    libevdev_set_id_bustype(dev.get(), BUS_VIRTUAL);
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
        destroy();
        return rc;
    }
    return 0;
}

bool UinputSink::Device::write(unsigned type, unsigned code, int value) {
    return uinput_ != nullptr && libevdev_uinput_write_event(uinput_, type, code, value) == 0;
}

void UinputSink::Device::destroy() {
    if (uinput_ != nullptr) {
        libevdev_uinput_destroy(uinput_);
        uinput_ = nullptr;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::unique_ptr<UinputSink> UinputSink::Create(const std::string& path, std::string& whyNot) {
    std::unique_ptr<UinputSink> sink(new UinputSink());

    Codes keyboard;
    for (uint16_t key : sink->frames_.keyboardKeys()) {
        keyboard.emplace_back(EV_KEY, key);
    }
    const Codes mouse = {
        {EV_REL, REL_X},    {EV_REL, REL_Y},     {EV_REL, REL_WHEEL}, {EV_REL, REL_WHEEL_HI_RES},
        {EV_KEY, BTN_LEFT}, {EV_KEY, BTN_RIGHT}, {EV_KEY, BTN_MIDDLE}};

    int rc = sink->keyboard_.create(path, "Quorvane keyboard", keyboard);
    if (rc == 0) {
        rc = sink->mouse_.create(path, "Quorvane mouse", mouse);
    }
    if (rc != 0) {
        whyNot = Describe(path, -rc);
        return nullptr;
    }
    return sink;
}

UinputSink::~UinputSink() {
    close();
}

void UinputSink::send(const InputRecord& record) {
    if (!closed_) {
        write(frames_.translate(record));
    }
}

void UinputSink::write(const std::vector<EvdevEvent>& events) {
    // A refused event is lost, and so is the rest of its frame, which means nothing without it.
    bool dropFrame = false;
    for (const auto& event : events) {
        Device& device = event.device == EvdevDevice::Keyboard ? keyboard_ : mouse_;
        if (!dropFrame && !device.write(event.type, event.code, event.value)) {
            dropFrame = true;
        }
        if (event.type == EV_SYN) {
            dropFrame = false;
        }
    }
}

void UinputSink::close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    write(frames_.releaseAll());
    keyboard_.destroy();
    mouse_.destroy();
}

}  // namespace qv
