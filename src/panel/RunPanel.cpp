#include "panel/RunPanel.h"

#include <QApplication>
#include <QStyleFactory>

namespace qv {

int RunPanel(Dialog1& panel, TerminationSignals& terminations) {
    // Watched from the start, so that a signal also ends the start-up message.
    terminations.Watch([&panel] { panel.TrayExit_Click(); });
    if (!panel.Form_Load()) {
        return 1;
    }
    panel.show();
    return QApplication::exec();
}

void UsePanelStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

}  // namespace qv
