#include <QCloseEvent>
#include <QCoreApplication>

#include "calibration/CalibrationDialog.h"
#include "keys/AssignmentDialog.h"
#include "panel/ControlPanel.h"
#include "profiles/ProfileNameDialog.h"

namespace qv {

void ControlPanel::TrayExit_Click() {
    Exit(true);
}

// The panel's "&Exit": the lamps, the controller closed, every window unloaded.
void ControlPanel::CancelButton_Click(int) {
    Exit(false);
}

// Runs once, whatever arrives meanwhile: a signal or a tray click taken while a message box
// waits would otherwise play the lamps again against a closed controller.
void ControlPanel::Exit(bool fromTray) {
    if (unloading_) {
        return;
    }
    ShutDown(fromTray);
    Unload();
}

void ControlPanel::menExit_Click() {
    CancelButton_Click(0);
}

// Every exit stops both engine timers before the controller is closed, so no tick ever runs
// against a closed device, and closes the output, which lets go of every key and button still
// held down. From the tray the icon goes first, before the lamps play.
void ControlPanel::ShutDown(bool fromTray) {
    unloading_ = true;
    app_.StopTimers();
    if (fromTray) {
        parts_.tray.DeleteIcon();
    }
    app_.CloseOutput();
    app_.PlayExitLampsAndCloseDevice();
}

void ControlPanel::Unload() {
    UnloadDialogs();
    close();
}

// In the order they go before the panel itself. The exit may find the calibration dialog open (a
// termination signal while it was shown): unloading it stops its timer and ends its modal loop,
// committing nothing.
void ControlPanel::UnloadDialogs() {
    unloading_ = true;
    delete calibration_;
    calibration_ = nullptr;
    profileName_->close();
    pages_.UnloadAboutBox();
    pages_.UnloadWebPage();
    if (assignment_) {
        assignment_->close();
    }
}

// The title bar's close button is one more way to "&Exit".
void ControlPanel::closeEvent(QCloseEvent* event) {
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
