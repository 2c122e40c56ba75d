#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qv::test {

// Starts `argv` with the test's environment plus `extra` (NAME=value entries, which win). Its
// standard streams go to /dev/null; `keepFd` stays open in it.
inline pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extra,
                   int keepFd = -1) {
    std::vector<std::string> environment = extra;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string line = *entry;
        const std::string name = line.substr(0, line.find('=') + 1);
        bool overridden = false;
        for (const std::string& mine : extra) {
            overridden = overridden || mine.rfind(name, 0) == 0;
        }
        if (!overridden) {
            environment.push_back(line);
        }
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    if (keepFd >= 0) {
        fcntl(keepFd, F_SETFD, 0);
    }
    execve(args[0], args.data(), envp.data());
    _exit(127);
}

// The exit status of `pid` once it has ended within `limit`, else nothing.
inline std::optional<int> WaitForExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < end);
    return std::nullopt;
}

// An X server of the test's own on a display number that it chooses itself.
class XvfbServer final {
public:
    explicit XvfbServer(const std::string& xvfb) {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) {
            return;
        }
        pid_ = Spawn({xvfb, "-displayfd", std::to_string(ready[1]), "-screen", "0", "1024x768x24",
                      "-nolisten", "tcp"},
                     {}, ready[1]);
        close(ready[1]);
        std::string number;
        pollfd wait{ready[0], POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, 20000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(ready[0]);
        if (!number.empty()) {
            display_ = ":" + number;
        }
    }
    ~XvfbServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            if (!WaitForExit(pid_, std::chrono::seconds(10))) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not come up.
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace qv::test
