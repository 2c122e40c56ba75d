#pragma once

#include <QSystemTrayIcon>
#include <QTimer>

#include "panel/TrayArea.h"

namespace qv {

// The desktop's own notification area.
class SystemTray final : public TrayArea {
public:
    SystemTray();

    bool Available() const override;
    void AddIcon(const QIcon& icon, QMenu* menu) override;
    void DeleteIcon() override;
    void Watch(bool on) override;

    QSystemTrayIcon& Icon() { return icon_; }

private:
    void Look();

    QSystemTrayIcon icon_;
    QTimer watch_;
    bool seen_ = false;
};

}  // namespace qv
