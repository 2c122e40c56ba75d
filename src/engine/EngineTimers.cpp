#include "engine/EngineTimers.h"

namespace qv {

namespace {

// ccTimer's period while the panel is shown: the preview needs no more.
constexpr int32_t kPreviewInterval = 10;

}  // namespace

bool EngineTimers::TimerBoxChooses() const {
    return settings_.chkCCTIMER == 0 || settings_.chkCCTIMER == 1;
}

void EngineTimers::RunChosenTimer() {
    if (settings_.chkCCTIMER == 1) {
        ssTimer_.SetEnabled(false);
        ccTimer_.SetEnabled(true);
    } else {
        ccTimer_.SetEnabled(false);
        ssTimer_.SetEnabled(true);
    }
}

void EngineTimers::StartChosenTimer() {
    if (TimerBoxChooses()) {
        RunChosenTimer();
    }
}

void EngineTimers::TimerBoxClicked() {
    if (TimerBoxChooses() && (ccTimer_.Enabled() || ssTimer_.Enabled())) {
        RunChosenTimer();
    }
}

void EngineTimers::RunAtOutputPeriod() {
    SetCcInterval(settings_.Freq);
    RunChosenTimer();
}

void EngineTimers::UsePreviewPeriod() {
    SetCcInterval(kPreviewInterval);
}

void EngineTimers::EndPause() {
    paused_ = false;
}

void EngineTimers::TogglePause() {
    paused_ = !paused_;
    if (paused_) {
        StopTimers();
    } else {
        RunChosenTimer();
    }
}

void EngineTimers::StopTimers() {
    ccTimer_.SetEnabled(false);
    ssTimer_.SetEnabled(false);
}

void EngineTimers::SetCcInterval(int32_t ms) {
    ccTimer_.SetInterval(ms);
    ccTimer_.SetTuningValue(ms);
}

}  // namespace qv
