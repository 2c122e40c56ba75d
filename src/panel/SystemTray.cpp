#include "panel/SystemTray.h"

#include <chrono>

namespace qv {

namespace {

// Nothing tells when the area comes or goes; asking once a second finds it before a person
// looking for the program would give up, and costs next to nothing while the area is there.
constexpr std::chrono::milliseconds kWatchInterval{1000};

}  // namespace

SystemTray::SystemTray() {
    icon_.setToolTip(QStringLiteral("Quorvane"));
    // A single click, a release or a plain move over the icon does nothing; a right click opens
    // the context menu by itself.
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick && DoubleClicked) {
                             DoubleClicked();
                         }
                     });
    watch_.callOnTimeout([this] { Look(); });
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

void SystemTray::Watch(bool on) {
    if (!on) {
        watch_.stop();
        return;
    }
    seen_ = Available();
    watch_.start(kWatchInterval);
}

void SystemTray::Look() {
    const bool available = Available();
    if (available != seen_) {
        seen_ = available;
        if (AreaChanged) {
            AreaChanged();
        }
    }
}

}  // namespace qv
