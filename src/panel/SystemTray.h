#pragma once

#include <QSystemTrayIcon>

#include "panel/TrayArea.h"

namespace qv {

// The desktop's own notification area.
class SystemTray final : public TrayArea {
public:
    SystemTray();

    bool Available() const override;
    void AddIcon(const QIcon& icon, QMenu* menu) override;
    void DeleteIcon() override;

    QSystemTrayIcon& Icon() { return icon_; }

private:
    QSystemTrayIcon icon_;
};

}  // namespace qv
