#include "panel/RunPanel.h"

#include <QApplication>

namespace qv {

int RunPanel(Dialog1& panel, TerminationSignals& terminations) {
    // The panel hides in the tray, so the program ends only when the panel unloads.
    QApplication::setQuitOnLastWindowClosed(false);
    // Watched from the start, so that a signal also ends the start-up message.
    terminations.Watch([&panel] { panel.TrayExit_Click(); });
    if (!panel.Form_Load()) {
        return 1;
    }
    // A signal taken while the load step waited on a message box has already ended it all.
    if (panel.Unloaded()) {
        return 0;
    }
    panel.show();
    return QApplication::exec();
}

}  // namespace qv
