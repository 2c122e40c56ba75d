#include <QCloseEvent>
#include <QCoreApplication>

#include "device/LampSequences.h"
#include "keys/Keys.h"
#include "panel/Dialog1.h"
#include "profiles/Filename.h"

namespace qv {

// Every exit stops both engine timers before the controller is closed, so no tick ever runs
// against a closed device, and lets go of every key and button still held down.
void Dialog1::StopEngineTimers() {
    engine_.ccTimer.SetEnabled(false);
    engine_.ssTimer.SetEnabled(false);
}

void Dialog1::FinishOutput() {
    parts_.sink.close();
}

void Dialog1::TrayExit_Click() {
    StopEngineTimers();
    parts_.tray.DeleteIcon();
    FinishOutput();
    PlayExitSequence(parts_.link, parts_.clock);
    parts_.link.CloseDevice();
    Unload();
}

// The panel's "&Exit": the lamps, the controller closed, every window unloaded.
void Dialog1::CancelButton_Click(int) {
    LeaveController();
    Unload();
}

void Dialog1::menExit_Click() {
    CancelButton_Click(0);
}

void Dialog1::LeaveController() {
    StopEngineTimers();
    FinishOutput();
    PlayExitSequence(parts_.link, parts_.clock);
    parts_.link.CloseDevice();
}

void Dialog1::Unload() {
    unloading_ = true;
    CloseDialogs();
    close();
}

void Dialog1::CloseDialogs() {
    filename_->close();
    if (keys_) {
        keys_->close();
    }
}

// The title bar's close button is one more way to "&Exit".
void Dialog1::closeEvent(QCloseEvent* event) {
    if (!unloading_) {
        LeaveController();
        unloading_ = true;
        CloseDialogs();
    }
    Form_Unload();
    QMainWindow::closeEvent(event);
    // The panel is the program's last window: the program ends with it.
    QCoreApplication::exit(0);
}

}  // namespace qv
