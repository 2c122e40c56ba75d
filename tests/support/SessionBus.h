#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace qv::test {

// A private session bus: dbus-daemon with the session's rules, ended with this object. Address()
// is empty, and WhyNot() says why, when it couldn't start.
class SessionBus final {
public:
    SessionBus() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            whyNot_ = "no pipe for dbus-daemon";
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            // Ends with the process that started it, whatever way that ends.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            dup2(fds[1], 3);
            fcntl(3, F_SETFD, 0);
            const int devNull = open("/dev/null", O_RDWR);
            dup2(devNull, 0);
            dup2(devNull, 1);
            dup2(devNull, 2);
            execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile",
                   "--print-address=3", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid_ > 0) {
            address_ = ReadLine(fds[0]);
        }
        close(fds[0]);
        if (address_.empty()) {
            whyNot_ = "dbus-daemon is not installed or did not start";
        }
    }

    ~SessionBus() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    const std::string& Address() const { return address_; }
    const std::string& WhyNot() const { return whyNot_; }

private:
    // The daemon writes its address and a newline once it accepts connections.
    static std::string ReadLine(int fd) {
        std::string line;
        char c = 0;
        pollfd waitFor{fd, POLLIN, 0};
        while (poll(&waitFor, 1, 10000) == 1 && read(fd, &c, 1) == 1 && c != '\n') {
            line += c;
        }
        return c == '\n' ? line : std::string();
    }

    pid_t pid_ = -1;
    std::string address_;
    std::string whyNot_;
};

}  // namespace qv::test
