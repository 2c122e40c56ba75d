#include "panel/TrayAreaEvents.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QMetaMethod>

namespace qv {

TrayAreaEvents::TrayAreaEvents(std::function<void()> changed)
    : changed_(std::move(changed)),
      watcher_(QStringLiteral("org.kde.StatusNotifierWatcher"), QDBusConnection::sessionBus(),
               QDBusServiceWatcher::WatchForOwnerChange) {
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this, &TrayAreaEvents::Changed);
    FollowXTraySelection();
}

void TrayAreaEvents::Changed() {
    changed_();
}

// Qt's X platform follows the tray selection's owner for the icons it docks, and says when it
// changes through its native interface. The signal is outside Qt's API, so it is found by name;
// on other platforms it is not there and only the bus tells.
void TrayAreaEvents::FollowXTraySelection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QObject* native = dynamic_cast<QObject*>(x11);
    if (native == nullptr) {
        return;
    }
    const QMetaObject& from = *native->metaObject();
    const int trayChanged = from.indexOfSignal("systemTrayWindowChanged(QScreen*)");
    if (trayChanged >= 0) {
        connect(native, from.method(trayChanged), this,
                staticMetaObject.method(staticMetaObject.indexOfSlot("Changed()")));
    }
}

}  // namespace qv
