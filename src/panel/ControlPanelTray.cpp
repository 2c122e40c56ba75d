#include <QEvent>

#include "panel/ControlPanel.h"
#include "ui/ModalWindows.h"

namespace qv {

// While the tray menu is disabled, "Restore Control Panel" and "Exit" stay usable: a panel sent
// to the tray by a minimise would otherwise have no way back nor out through its menu.
void ControlPanel::MirrorTray() {
    m_.TrayPause->setText(QString::fromUtf8(trayMenu_.PauseCaption()));
    for (QAction* item : {m_.TrayPause, m_.TrayCC, m_.TraySS}) {
        item->setEnabled(trayMenu_.MenuEnabled());
    }
    m_.TrayCC->setChecked(trayMenu_.HighPrecisionChecked());
    m_.TraySS->setChecked(!trayMenu_.HighPrecisionChecked());
    c_.Freq->setEnabled(trayMenu_.FreqEnabled());
}

void ControlPanel::MinimizeToTray() {
    StandInTray();
    parts_.tray.Watch(true);
    trayMenu_.GoToTray();
}

// Without a notification area the panel is minimised instead of hidden; the engine counts it
// as hidden all the same, and bringing it back from the taskbar is the restore.
void ControlPanel::StandInTray() {
    if (parts_.tray.Available()) {
        hide();
        parts_.tray.AddIcon(windowIcon(), m_.TrayOptions);
    } else if (!isVisible() || !isMinimized()) {
        showMinimized();
    }
}

// The desktop's panel that holds the notification area quit or came back while ours stood in
// it. Gone, it takes the icon and the way back with it, so the panel stands minimised meanwhile.
void ControlPanel::TrayAreaChanged() {
    if (!trayMenu_.InTray()) {
        return;
    }
    // Brought back from the taskbar after the area had returned, before that was noticed.
    if (Shown()) {
        TrayRestore_Click();
        return;
    }
    if (!parts_.tray.Available()) {
        parts_.tray.DeleteIcon();
    }
    StandInTray();
}

void ControlPanel::Send_Click() {
    trayMenu_.StartClicked();
    MinimizeToTray();
}

void ControlPanel::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        WindowStateChanged();
    }
}

// A minimised panel goes to the tray once the minimising has finished, since hiding it in the
// middle of that would be undone by it. Not while a modal window is open: that minimise is
// undone instead, and the person goes on with the window.
void ControlPanel::WindowStateChanged() {
    if (isMinimized()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMinimized() && !trayMenu_.InTray() && !ModalWindowOpen()) {
                    MinimizeToTray();
                }
            },
            Qt::QueuedConnection);
    } else if (trayMenu_.InTray() && !parts_.tray.Available() && isVisible()) {
        TrayRestore_Click();
    }
}

// Output stops with the restore and with the pause: whatever the engine holds goes up at once,
// since the desktop would repeat a key left down.
void ControlPanel::TrayRestore_Click() {
    app_.engine.StopOutput();
    trayMenu_.Restore();
    showNormal();
    activateWindow();
    parts_.tray.Watch(false);
    parts_.tray.DeleteIcon();
}

void ControlPanel::TrayPause_Click() {
    trayMenu_.TogglePause();
    if (app_.engine.Timers.Paused()) {
        app_.engine.StopOutput();
    }
}

void ControlPanel::TrayCC_Click() {
    ChooseTimerFromTray(true);
}

void ControlPanel::TraySS_Click() {
    ChooseTimerFromTray(false);
}

void ControlPanel::ChooseTimerFromTray(bool highPrecision) {
    trayMenu_.SetTimerChecks(highPrecision);
    rules_.Set(&PanelSettings::chkCCTIMER, highPrecision ? 1 : 0);
    app_.engine.Timers.RunChosenTimer();
}

void ControlPanel::Form_Unload() {
    parts_.tray.Watch(false);
    parts_.tray.DeleteIcon();
}

}  // namespace qv
