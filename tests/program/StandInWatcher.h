#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <chrono>
#include <csignal>
#include <string>

#include "ChildProcess.h"

namespace qv::test {

// The stand-in StatusNotifier watcher's process on the session bus in $DBUS_SESSION_BUS_ADDRESS,
// started and ended as a desktop's panel starts and quits.
class StandInWatcher final {
public:
    explicit StandInWatcher(std::string program) : program_(std::move(program)) {}
    ~StandInWatcher() { Leave(); }
    StandInWatcher(const StandInWatcher&) = delete;
    StandInWatcher& operator=(const StandInWatcher&) = delete;

    // True once its name is on the bus, within 10 s.
    bool Come() {
        pid_ = Spawn({program_}, {});
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!Registered()) {
            if (WaitForExit(pid_, std::chrono::milliseconds(10)).has_value()) {
                pid_ = -1;
                return false;
            }
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
        }
        return true;
    }

    void Leave() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            WaitForExit(pid_, std::chrono::seconds(5));
            pid_ = -1;
        }
    }

private:
    static bool Registered() {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.kde.StatusNotifierWatcher"));
    }

    std::string program_;
    pid_t pid_ = -1;
};

}  // namespace qv::test
