#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace qv {

// The panel's menu bar, and the tray menu that never shows in it.
struct PanelMenus {
    QAction* menLoad = nullptr;
    QAction* menSave = nullptr;
    QAction* menExit = nullptr;
    QAction* Calibrate = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuAbout = nullptr;

    QMenu* TrayOptions = nullptr;
    QAction* TrayPause = nullptr;
    QAction* TrayRestore = nullptr;
    QAction* TrayExit = nullptr;
    QAction* TrayCC = nullptr;
    QAction* TraySS = nullptr;
};

// Fills `bar` with File, Tools and Miscellaneous, and creates the tray menu owned by `owner`.
PanelMenus BuildPanelMenus(QMenuBar* bar, QWidget* owner);

}  // namespace qv
