#include <QCloseEvent>
#include <QCoreApplication>

#include "calibration/Calibration.h"
#include "device/LampSequences.h"
#include "keys/Keys.h"
#include "panel/Dialog1.h"
#include "profiles/Filename.h"

namespace qv {

void Dialog1::TrayExit_Click() {
    Exit(true);
}

// The panel's "&Exit": the lamps, the controller closed, every window unloaded.
void Dialog1::CancelButton_Click(int) {
    Exit(false);
}

// Runs once, whatever arrives meanwhile: a signal or a tray click taken while a message box
// waits would otherwise play the lamps again against a closed controller.
void Dialog1::Exit(bool fromTray) {
    if (unloading_) {
        return;
    }
    ShutDown(fromTray);
    Unload();
}

void Dialog1::menExit_Click() {
    CancelButton_Click(0);
}

void Dialog1::LetGo() {
    engine_.Timers.StopTimers();
    engine_.StopOutput();
}

// Every exit stops both engine timers before the controller is closed, so no tick ever runs
// against a closed device, and closes the output, which lets go of every key and button still
// held down. From the tray the icon goes first, before the lamps play.
void Dialog1::ShutDown(bool fromTray) {
    unloading_ = true;
    engine_.Timers.StopTimers();
    if (fromTray) {
        parts_.tray.DeleteIcon();
    }
    parts_.sink.close();
    PlayExitSequence(parts_.link, parts_.clock);
    parts_.link.CloseDevice();
}

void Dialog1::Unload() {
    UnloadDialogs();
    close();
}

// In the order they go before the panel itself. The exit may find the calibration dialog open (a
// termination signal while it was shown): unloading it stops its timer and ends its modal loop,
// committing nothing.
void Dialog1::UnloadDialogs() {
    unloading_ = true;
    delete calibration_;
    calibration_ = nullptr;
    filename_->close();
    pages_.UnloadAbout();
    pages_.UnloadDonate();
    if (keys_) {
        keys_->close();
    }
}

// The title bar's close button is one more way to "&Exit".
void Dialog1::closeEvent(QCloseEvent* event) {
    if (!unloading_) {
        ShutDown(false);
        UnloadDialogs();
    }
    Form_Unload();
    QMainWindow::closeEvent(event);
    // The panel is the program's last window: the program ends with it.
    QCoreApplication::exit(0);
}

}  // namespace qv
