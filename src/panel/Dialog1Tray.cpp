#include <QEvent>

#include "panel/Dialog1.h"

namespace qv {

void Dialog1::SetTrayPauseCaption(const char* caption) {
    trayPauseCaption_ = caption;
    m_.TrayPause->setText(QString::fromUtf8(caption));
}

// A disabled tray menu still opens, with every item greyed.
void Dialog1::SetTrayOptionsEnabled(bool enabled) {
    for (QAction* item : m_.TrayOptions->actions()) {
        item->setEnabled(enabled);
    }
}

void Dialog1::SetCcInterval(int32_t ms) {
    engine_.ccTimer.SetInterval(ms);
    engine_.ccTimer.SetTuningValue(ms);
}

// Without a notification area the panel is minimised instead of hidden; the engine counts it
// as hidden all the same, and bringing it back from the taskbar is the restore.
void Dialog1::minimize_to_tray() {
    inTray_ = true;
    if (parts_.tray.Available()) {
        hide();
        parts_.tray.AddIcon(windowIcon(), m_.TrayOptions);
    } else if (!isMinimized()) {
        showMinimized();
    }
    SetCcInterval(c_.Freq->Value());
    if (c_.chkCCTIMER->Value() == 1) {
        engine_.ssTimer.SetEnabled(false);
        engine_.ccTimer.SetEnabled(true);
    } else {
        engine_.ccTimer.SetEnabled(false);
        engine_.ssTimer.SetEnabled(true);
    }
}

void Dialog1::Send_Click() {
    SetTrayOptionsEnabled(true);
    SetTrayPauseCaption(kPauseEngine);
    minimize_to_tray();
}

void Dialog1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

// A minimised panel goes to the tray once the minimising has finished, since hiding it in the
// middle of that would be undone by it.
void Dialog1::Form_Resize() {
    if (isMinimized()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMinimized() && !inTray_) {
                    minimize_to_tray();
                }
            },
            Qt::QueuedConnection);
    } else if (inTray_ && !parts_.tray.Available() && isVisible()) {
        TrayRestore_Click();
    }
}

// Output stops with the restore and with the pause: whatever the engine holds goes up at once,
// since the desktop would repeat a key left down.
void Dialog1::TrayRestore_Click() {
    engine_.StopOutput();
    SetTrayOptionsEnabled(false);
    SetCcInterval(10);
    inTray_ = false;
    showNormal();
    activateWindow();
    parts_.tray.DeleteIcon();
}

void Dialog1::TrayPause_Click() {
    if (trayPauseCaption_ == kPauseEngine) {
        SetTrayPauseCaption(kResumeEngine);
        engine_.ccTimer.SetEnabled(false);
        engine_.ssTimer.SetEnabled(false);
        engine_.StopOutput();
    } else {
        SetTrayPauseCaption(kPauseEngine);
        if (c_.chkCCTIMER->Value() == 1) {
            engine_.ccTimer.SetEnabled(true);
        } else {
            engine_.ssTimer.SetEnabled(true);
        }
    }
}

void Dialog1::TrayCC_Click() {
    m_.TrayCC->setChecked(true);
    m_.TraySS->setChecked(false);
    c_.chkCCTIMER->SetValue(1);
    engine_.ssTimer.SetEnabled(false);
    engine_.ccTimer.SetEnabled(true);
}

void Dialog1::TraySS_Click() {
    m_.TrayCC->setChecked(false);
    m_.TraySS->setChecked(true);
    c_.chkCCTIMER->SetValue(0);
    engine_.ccTimer.SetEnabled(false);
    engine_.ssTimer.SetEnabled(true);
}

void Dialog1::chkCCTIMER_Click() {
    if (c_.chkCCTIMER->Value() == 1) {
        c_.Freq->setEnabled(true);
        m_.TrayCC->setChecked(true);
        m_.TraySS->setChecked(false);
        if (engine_.ssTimer.Enabled()) {
            engine_.ssTimer.SetEnabled(false);
            engine_.ccTimer.SetEnabled(true);
        }
    }
    if (c_.chkCCTIMER->Value() == 0) {
        c_.Freq->setEnabled(false);
        m_.TrayCC->setChecked(false);
        m_.TraySS->setChecked(true);
        if (engine_.ccTimer.Enabled()) {
            engine_.ccTimer.SetEnabled(false);
            engine_.ssTimer.SetEnabled(true);
        }
    }
    FocusSend();
}

void Dialog1::Form_Unload() {
    parts_.tray.DeleteIcon();
}

}  // namespace qv
