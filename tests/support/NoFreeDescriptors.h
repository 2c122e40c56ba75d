#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <vector>

namespace qv::test {

// Takes every file descriptor the process may still open, for as long as it lives, so that the
// next open, signalfd or timerfd_create fails as on a system out of them.
class NoFreeDescriptors final {
public:
    NoFreeDescriptors() {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit low = saved_;
        low.rlim_cur = 64;
        setrlimit(RLIMIT_NOFILE, &low);
        for (int fd = dup(0); fd >= 0; fd = dup(0)) {
            taken_.push_back(fd);
        }
    }
    ~NoFreeDescriptors() {
        for (const int fd : taken_) {
            close(fd);
        }
        setrlimit(RLIMIT_NOFILE, &saved_);
    }
    NoFreeDescriptors(const NoFreeDescriptors&) = delete;
    NoFreeDescriptors& operator=(const NoFreeDescriptors&) = delete;

private:
    rlimit saved_{};
    std::vector<int> taken_;
};

}  // namespace qv::test
