#include "engine/TrayState.h"

namespace qv {

namespace {

// ccTimer's period while the panel is shown: the preview needs no more.
constexpr int32_t kPreviewInterval = 10;

}  // namespace

void TrayState::RunChosenTimer() {
    if (settings_.chkCCTIMER == 1) {
        ssTimer_.SetEnabled(false);
        ccTimer_.SetEnabled(true);
    } else {
        ccTimer_.SetEnabled(false);
        ssTimer_.SetEnabled(true);
    }
    Notify();
}

void TrayState::SetTimerChecks(bool highPrecision) {
    highPrecisionChecked_ = highPrecision;
    Notify();
}

bool TrayState::FollowTimerBox() {
    const int box = settings_.chkCCTIMER;
    if (box != 0 && box != 1) {
        return false;
    }
    freqEnabled_ = box == 1;
    SetTimerChecks(box == 1);
    return true;
}

void TrayState::StartChosenTimer() {
    if (FollowTimerBox()) {
        RunChosenTimer();
    }
}

void TrayState::TimerBoxClicked() {
    if (FollowTimerBox() && (ccTimer_.Enabled() || ssTimer_.Enabled())) {
        RunChosenTimer();
    }
}

void TrayState::StartClicked() {
    menuEnabled_ = true;
    paused_ = false;
    Notify();
}

void TrayState::GoToTray() {
    inTray_ = true;
    SetCcInterval(settings_.Freq);
    RunChosenTimer();
}

void TrayState::Restore() {
    menuEnabled_ = false;
    SetCcInterval(kPreviewInterval);
    inTray_ = false;
    Notify();
}

void TrayState::TogglePause() {
    paused_ = !paused_;
    if (paused_) {
        ccTimer_.SetEnabled(false);
        ssTimer_.SetEnabled(false);
        Notify();
    } else {
        RunChosenTimer();
    }
}

void TrayState::StopTimers() {
    ccTimer_.SetEnabled(false);
    ssTimer_.SetEnabled(false);
}

void TrayState::SetCcInterval(int32_t ms) {
    ccTimer_.SetInterval(ms);
    ccTimer_.SetTuningValue(ms);
}

void TrayState::Notify() {
    if (Changed) {
        Changed();
    }
}

}  // namespace qv
