#include <QShowEvent>
#include <QTimer>
#include <iostream>

#include "model/Startup.h"
#include "panel/Dialog1.h"
#include "ui/MessageBox.h"

namespace qv {

namespace {

constexpr int16_t kFirstWalkZone = 256;

}  // namespace

bool Dialog1::Form_Load() {
    ResetEngineState(model_);
    liveView_->RestPages();
    FillDefaults(model_);
    c_.MidDeadZone->SetValue(c_.DeadZone->Value());
    SavedWalkZone = kFirstWalkZone;
    SetDefaultCalibration(model_.axes);
    SetTimerCreationValues(engine_.ccTimer, engine_.DelayTimer);
    ShowFrequency();
    if (!parts_.link.FindTheHid()) {
        c_.Send->setEnabled(false);
        // Said on stderr too, for whoever started the program from a terminal.
        std::cerr << StartupFailureLines() << std::flush;
        MessageBox::show(nullptr, QString::fromUtf8(kInitErrorTitle),
                         QString::fromUtf8(kInitErrorText));
        Unload();
        return false;
    }
    engine_.SetRingStart(kRingStart);
    engine_.StartEngine();
    return true;
}

void Dialog1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!parts_.inputProblem.isEmpty() && !inputProblemTold_) {
        inputProblemTold_ = true;
        QTimer::singleShot(0, this, &Dialog1::TellInputProblem);
    }
}

void Dialog1::TellInputProblem() {
    MessageBox::show(this, QStringLiteral("Quorvane"), parts_.inputProblem);
}

}  // namespace qv
