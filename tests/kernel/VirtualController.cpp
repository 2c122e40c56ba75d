#include "VirtualController.h"

#include <fcntl.h>
#include <linux/input.h>
#include <linux/uhid.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qv::test {

namespace {

// A joystick with three 10-bit axes, fourteen button bits (the mode switch among them) and two
// vendor-defined feature reports of two bytes each; every report is numbered.
constexpr uint8_t kDescriptor[] = {
    0x05, 0x01,        // usage page: generic desktop
    0x09, 0x04,        // usage: joystick
    0xA1, 0x01,        // collection: application
    0x85, 0x01,        //   report ID 1
    0x09, 0x30,        //   usage: X
    0x09, 0x31,        //   usage: Y
    0x09, 0x35,        //   usage: Rz
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x03,  //   logical maximum 1023
    0x75, 0x0A,        //   report size 10
    0x95, 0x03,        //   report count 3
    0x81, 0x02,        //   input: data, variable, absolute
    0x75, 0x02,        //   report size 2
    0x95, 0x01,        //   report count 1
    0x81, 0x03,        //   input: constant
    0x05, 0x09,        //   usage page: buttons
    0x19, 0x01,        //   usage minimum 1
    0x29, 0x0E,        //   usage maximum 14
    0x25, 0x01,        //   logical maximum 1
    0x75, 0x01,        //   report size 1
    0x95, 0x0E,        //   report count 14
    0x81, 0x02,        //   input: data, variable, absolute
    0x75, 0x02,        //   report size 2
    0x95, 0x01,        //   report count 1
    0x81, 0x03,        //   input: constant
    0x06, 0x00, 0xFF,  //   usage page: vendor defined
    0x09, 0x01,        //   usage 1
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x75, 0x08,        //   report size 8
    0x95, 0x02,        //   report count 2
    0xB1, 0x02,        //   feature: data, variable, absolute
    0x85, 0x02,        //   report ID 2
    0x09, 0x02,        //   usage 2
    0xB1, 0x02,        //   feature: data, variable, absolute
    0xC0,              // end collection
};

// The wire form of one axis: bit 9 marks the negative half, whose values count up from -511
// at 512 to 0 at 1023 (not two's complement).
unsigned AxisField(int value) {
    return value >= 0 ? static_cast<unsigned>(value) : static_cast<unsigned>(1023 + value);
}

}  // namespace

std::array<uint8_t, 7> EncodeReport(const ControllerState& state) {
    const unsigned x = AxisField(state.x);
    const unsigned y = AxisField(state.y);
    const unsigned turn = AxisField(state.turn);
    const uint32_t axes = x | (y << 10) | (turn << 20);
    return {1,
            static_cast<uint8_t>(axes),
            static_cast<uint8_t>(axes >> 8),
            static_cast<uint8_t>(axes >> 16),
            static_cast<uint8_t>(axes >> 24),
            state.buttons,
            state.extras};
}

VirtualController::VirtualController(uint16_t vendor, uint16_t product, const std::string& name) {
    fd_ = open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd_ < 0 || pipe2(stopPipe_, O_CLOEXEC) != 0) {
        whyNot_ = std::string("/dev/uhid: ") + std::strerror(errno);
        return;
    }
    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& create = event.u.create2;
    std::strncpy(reinterpret_cast<char*>(create.name), name.c_str(), sizeof create.name - 1);
    create.rd_size = sizeof kDescriptor;
    create.bus = BUS_USB;
    create.vendor = vendor;
    create.product = product;
    std::memcpy(create.rd_data, kDescriptor, sizeof kDescriptor);
    if (!Write(&event, sizeof event)) {
        whyNot_ = std::string("UHID_CREATE2: ") + std::strerror(errno);
        return;
    }
    plugged_ = true;
    server_ = std::thread([this] { Serve(); });
}

VirtualController::~VirtualController() {
    if (server_.joinable()) {
        const char stop = 0;
        (void)::write(stopPipe_[1], &stop, 1);
        server_.join();
    }
    Unplug();
    for (int fd : {fd_, stopPipe_[0], stopPipe_[1]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool VirtualController::Write(const void* event, std::size_t size) {
    std::lock_guard lock(writeMutex_);
    return ::write(fd_, event, size) == static_cast<ssize_t>(size);
}

Nanoseconds VirtualController::Send(const ControllerState& state) {
    uhid_event event{};
    event.type = UHID_INPUT2;
    const auto report = EncodeReport(state);
    event.u.input2.size = report.size();
    std::memcpy(event.u.input2.data, report.data(), report.size());
    const Nanoseconds at = MonotonicNow();
    Write(&event, sizeof event.type + sizeof event.u.input2.size + report.size());
    return at;
}

void VirtualController::Unplug() {
    if (!plugged_) {
        return;
    }
    plugged_ = false;
    uhid_event event{};
    event.type = UHID_DESTROY;
    Write(&event, sizeof event);
}

std::vector<FeatureReport> VirtualController::Features() const {
    std::lock_guard lock(mutex_);
    return features_;
}

int VirtualController::Opens() const {
    std::lock_guard lock(mutex_);
    return opens_;
}

bool VirtualController::WaitFeatures(
    const std::function<bool(const std::vector<FeatureReport>&)>& done,
    std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return done(features_); });
}

void VirtualController::Serve() {
    pollfd waitFor[2] = {{fd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    while (poll(waitFor, 2, -1) >= 0 && (waitFor[1].revents & POLLIN) == 0) {
        if ((waitFor[0].revents & POLLIN) == 0) {
            continue;
        }
        uhid_event event{};
        if (read(fd_, &event, sizeof event) <= 0) {
            return;
        }
        const Nanoseconds at = MonotonicNow();
        if (event.type == UHID_SET_REPORT) {
            const auto& request = event.u.set_report;
            uhid_event reply{};
            reply.type = UHID_SET_REPORT_REPLY;
            reply.u.set_report_reply.id = request.id;
            Write(&reply, sizeof reply);
            if (request.rtype == UHID_FEATURE_REPORT && request.size >= 3) {
                std::lock_guard lock(mutex_);
                features_.push_back({at, request.data[0], request.data[1], request.data[2]});
                changed_.notify_all();
            }
        } else if (event.type == UHID_OPEN) {
            std::lock_guard lock(mutex_);
            ++opens_;
        } else if (event.type == UHID_GET_REPORT) {
            uhid_event reply{};
            reply.type = UHID_GET_REPORT_REPLY;
            reply.u.get_report_reply.id = event.u.get_report.id;
            reply.u.get_report_reply.size = 3;
            reply.u.get_report_reply.data[0] = event.u.get_report.rnum;
            Write(&reply, sizeof reply);
        }
    }
}

}  // namespace qv::test
