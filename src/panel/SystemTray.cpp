#include "panel/SystemTray.h"

namespace qv {

SystemTray::SystemTray() : events_([this] { Look(); }) {
    icon_.setToolTip(QStringLiteral("Quorvane"));
    // A single click, a release or a plain move over the icon does nothing; a right click opens
    // the context menu by itself.
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick && DoubleClicked) {
                             DoubleClicked();
                         }
                     });
}

bool SystemTray::Available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTray::AddIcon(const QIcon& icon, QMenu* menu) {
    icon_.setIcon(icon);
    icon_.setContextMenu(menu);
    icon_.show();
}

void SystemTray::DeleteIcon() {
    icon_.hide();
}

// Asking costs a few milliseconds against a bus's notification area, on the thread where the
// engine ticks: it is asked only when the area's events say it may have changed.
void SystemTray::Watch(bool on) {
    watching_ = on;
    if (on) {
        seen_ = Available();
    }
}

void SystemTray::Look() {
    if (!watching_) {
        return;
    }
    const bool available = Available();
    if (available != seen_) {
        seen_ = available;
        if (AreaChanged) {
            AreaChanged();
        }
    }
}

}  // namespace qv
