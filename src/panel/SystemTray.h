#pragma once

#include <QSystemTrayIcon>

#include "panel/TrayArea.h"
#include "panel/TrayAreaEvents.h"

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
    TrayAreaEvents events_;
    bool watching_ = false;
    bool seen_ = false;
};

}  // namespace qv
