#pragma once

#include <signal.h>

#include <functional>
#include <memory>
#include <string>

#include <QSocketNotifier>

namespace qv {

// SIGINT, SIGTERM, SIGHUP (the terminal the program was started from has closed) and SIGQUIT
// as events on the user-interface thread's event loop, read from a signalfd, so no code runs
// inside a signal handler and every one of them ends the program through its exit path, which
// lets go of what is held down. The constructor blocks the signals for the calling thread and
// every thread started after it: create it first in main, before Qt starts any thread.
class TerminationSignals final {
public:
    TerminationSignals();
    // Why the signals can't be watched, or empty when they are. Then nothing is blocked.
    const std::string& Failure() const { return failure_; }
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Calls `handler` on the event loop when the first signal arrives; later ones are taken
    // and dropped, so a second Ctrl+C cannot cut the shut-down short. Needs the application.
    void Watch(std::function<void()> handler);

private:
    void Arrived();
    // Takes every signal that waits; true when there was one.
    bool Drain();

    sigset_t previousMask_{};
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> handler_;
    std::string failure_;
};

}  // namespace qv
