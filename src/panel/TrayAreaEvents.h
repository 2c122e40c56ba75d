#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <functional>

namespace qv {

// Tells when a notification area may have come or gone, without asking: the StatusNotifier
// watcher's name changes owner on the session bus, or the X tray selection changes owner.
class TrayAreaEvents final : public QObject {
    Q_OBJECT

public:
    explicit TrayAreaEvents(std::function<void()> changed);

private slots:
    void Changed();

private:
    void FollowXTraySelection();

    std::function<void()> changed_;
    QDBusServiceWatcher watcher_;
};

}  // namespace qv
