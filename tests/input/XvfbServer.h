#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace qv::test {

// A private X server for one test: Xvfb on a display number that it picks itself, stopped when
// this object goes away. XDisplay() is empty, and WhyNot() says why, when it couldn't start.
class XvfbServer final {
public:
    // `screen` is Xvfb's WIDTHxHEIGHTxDEPTH.
    explicit XvfbServer(const char* screen = "640x480x24") {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            whyNot_ = "no pipe for Xvfb";
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            // A server that outlived the test would keep the test runner's output pipe open
            // and stall the whole suite: it dies with the test, and never holds that pipe.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            // fds[1] may already be 3 (when the test runs without standard input), and dup2
            // onto itself would keep the close-on-exec flag; hence the explicit clear.
            dup2(fds[1], 3);
            fcntl(3, F_SETFD, 0);
            const int devNull = open("/dev/null", O_RDWR);
            dup2(devNull, 0);
            dup2(devNull, 1);
            dup2(devNull, 2);
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-noreset", "-screen",
                   "0", screen, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid_ > 0) {
            display_ = ReadDisplay(fds[0]);
        }
        close(fds[0]);
        if (display_.empty()) {
            whyNot_ = "Xvfb is not installed or did not start";
        }
    }

    ~XvfbServer() {
        if (pid_ <= 0) {
            return;
        }
        kill(pid_, SIGTERM);
        for (int attempt = 0; attempt < 250; ++attempt) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& XDisplay() const { return display_; }
    const std::string& WhyNot() const { return whyNot_; }

private:
    // Xvfb writes its display number and a newline once it accepts clients.
    static std::string ReadDisplay(int fd) {
        std::string number;
        char c = 0;
        pollfd waitFor{fd, POLLIN, 0};
        while (poll(&waitFor, 1, 10000) == 1 && read(fd, &c, 1) == 1 && c != '\n') {
            number += c;
        }
        return c == '\n' && !number.empty() ? ":" + number : std::string();
    }

    pid_t pid_ = -1;
    std::string display_;
    std::string whyNot_;
};

}  // namespace qv::test
