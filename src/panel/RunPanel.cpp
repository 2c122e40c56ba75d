#include "panel/RunPanel.h"

#include <QApplication>

#include "app/FatalFailure.h"

namespace qv {

int RunPanel(ControlPanel& panel, TerminationSignals& terminations) {
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

void EndOnTimerFailure(Application& app, ControlPanel& panel, TimerFdDriver& driver) {
    driver.OnFailure([&app, &panel](const std::string& why) {
        // Queued: the start that failed runs inside a handler that must finish first.
        QMetaObject::invokeMethod(
            &panel,
            [&app, &panel, why] {
                app.LetGo();
                TellFatalFailure("the engine's timer can't be started (" + why + ")");
                panel.TrayExit_Click();
                QCoreApplication::exit(1);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace qv
