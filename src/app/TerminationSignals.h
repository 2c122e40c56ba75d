#pragma once

#include <signal.h>

#include <functional>
#include <memory>

#include <QSocketNotifier>

namespace qv {

// SIGINT and SIGTERM as events on the user-interface thread's event loop, read from a
// signalfd, so no code runs inside a signal handler. The constructor blocks both signals for
// the calling thread and every thread started after it: create it first in main, before Qt
// starts any thread.
class TerminationSignals final {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Calls `handler` on the event loop when the first signal arrives; later ones are taken
    // and dropped, so a second Ctrl+C cannot cut the shut-down short. Needs the application.
    void Watch(std::function<void()> handler);

private:
    void arrived();
    // Takes every signal that waits; true when there was one.
    bool Drain();

    sigset_t previousMask_{};
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> handler_;
};

}  // namespace qv
