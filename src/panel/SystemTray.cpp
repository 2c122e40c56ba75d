#include "panel/SystemTray.h"

namespace qv {

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

}  // namespace qv
