#include <QShowEvent>
#include <QTimer>
#include <iostream>

#include "model/Startup.h"
#include "panel/ControlPanel.h"
#include "panel/StartupFailure.h"
#include "ui/MessageBox.h"

namespace qv {

// The shared defaults first; the panel then shows them, with the engine period's caption.
bool ControlPanel::Form_Load() {
    ApplyStartupDefaults(model_);
    liveView_->RestPages();
    SetTimerCreationValues(app_.engine.ccTimer, app_.engine.DelayTimer);
    MirrorSettings();
    if (!app_.link.FindTheHid()) {
        c_.Send->setEnabled(false);
        const std::string text = StartupFailureText(app_.link.DeniedPath());
        // Said on stderr too, for whoever started the program from a terminal.
        std::cerr << StartupFailureLines(text) << std::flush;
        MessageBox::Show(nullptr, QString::fromUtf8(kInitErrorTitle), QString::fromStdString(text));
        Unload();
        return false;
    }
    app_.engine.SetRingStart(kRingStart);
    trayMenu_.FollowTimerBox();
    app_.engine.StartEngine();
    return true;
}

void ControlPanel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!parts_.inputProblem.isEmpty() && !inputProblemTold_) {
        inputProblemTold_ = true;
        QTimer::singleShot(0, this, &ControlPanel::TellInputProblem);
    }
}

void ControlPanel::TellInputProblem() {
    MessageBox::Show(this, QStringLiteral("Quorvane"), parts_.inputProblem);
}

}  // namespace qv
