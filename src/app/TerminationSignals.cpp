#include "app/TerminationSignals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace qv {

TerminationSignals::TerminationSignals() {
    sigset_t terminations;
    sigemptyset(&terminations);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&terminations, signal);
    }
    pthread_sigmask(SIG_BLOCK, &terminations, &previousMask_);
    fd_ = signalfd(-1, &terminations, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) {
        failure_ = std::string("the signals that end it can't be watched (signalfd: ") +
                   std::strerror(errno) + ")";
        pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (fd_ < 0) {
        return;
    }
    notifier_.reset();
    // A signal that came after the first one must not end the process once the mask is back.
    Drain();
    close(fd_);
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void TerminationSignals::Watch(std::function<void()> handler) {
    if (fd_ < 0) {
        return;
    }
    handler_ = std::move(handler);
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Arrived(); });
}

bool TerminationSignals::Drain() {
    signalfd_siginfo info{};
    bool any = false;
    while (read(fd_, &info, sizeof info) == sizeof info) {
        any = true;
    }
    return any;
}

void TerminationSignals::Arrived() {
    if (Drain() && handler_) {
        const std::function<void()> handler = std::move(handler_);
        handler_ = nullptr;
        handler();
    }
}

}  // namespace qv
