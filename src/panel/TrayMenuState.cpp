#include "panel/TrayMenuState.h"

namespace qv {

void TrayMenuState::FollowTimerBox() {
    if (timers_.TimerBoxChooses()) {
        freqEnabled_ = settings_.chkCCTIMER == 1;
        SetTimerChecks(settings_.chkCCTIMER == 1);
    }
}

void TrayMenuState::TimerBoxClicked() {
    FollowTimerBox();
    timers_.TimerBoxClicked();
}

void TrayMenuState::SetTimerChecks(bool highPrecision) {
    highPrecisionChecked_ = highPrecision;
    Notify();
}

void TrayMenuState::StartClicked() {
    menuEnabled_ = true;
    timers_.EndPause();
    Notify();
}

void TrayMenuState::GoToTray() {
    inTray_ = true;
    timers_.RunAtOutputPeriod();
    Notify();
}

void TrayMenuState::Restore() {
    menuEnabled_ = false;
    timers_.UsePreviewPeriod();
    inTray_ = false;
    Notify();
}

void TrayMenuState::TogglePause() {
    timers_.TogglePause();
    Notify();
}

void TrayMenuState::Notify() {
    if (Changed) {
        Changed();
    }
}

}  // namespace qv
