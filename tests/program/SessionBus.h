#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>

#include "ChildProcess.h"

namespace qv::test {

// A private session bus: dbus-daemon with the session's rules, ended with this object. Address()
// is empty, and WhyNot() says why, when it couldn't start.
class SessionBus final {
public:
    SessionBus() {
        // The daemon writes its address on the pipe once it takes connections; only the end it
        // writes on stays open across the start.
        int fds[2];
        if (pipe(fds) != 0 || fcntl(fds[0], F_SETFD, FD_CLOEXEC) != 0) {
            whyNot_ = "no pipe for dbus-daemon";
            return;
        }
        pid_ = Spawn({"/usr/bin/env", "dbus-daemon", "--session", "--nofork", "--nopidfile",
                      "--print-address=" + std::to_string(fds[1])},
                     {});
        close(fds[1]);
        char c = 0;
        pollfd written{fds[0], POLLIN, 0};
        while (poll(&written, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') {
            address_ += c;
        }
        close(fds[0]);
        if (c != '\n') {
            address_.clear();
            whyNot_ = "dbus-daemon is not installed or did not start";
        }
    }

    ~SessionBus() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            WaitForExit(pid_, std::chrono::seconds(5));
        }
    }

    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    const std::string& Address() const { return address_; }
    const std::string& WhyNot() const { return whyNot_; }

private:
    pid_t pid_ = -1;
    std::string address_;
    std::string whyNot_;
};

}  // namespace qv::test
