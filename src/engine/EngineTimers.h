#pragma once

#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

// Which of the engine's two timers runs, at what period, and whether the output is paused. The
// "High Precision Timer" box chooses the timer: ccTimer while it holds 1, ssTimer while it holds
// 0; the grey 2, which only a profile brings, chooses neither.
class EngineTimers final {
public:
    EngineTimers(PrecisionTimer& ccTimer, PrecisionTimer& ssTimer, const PanelSettings& settings)
        : ccTimer_(ccTimer), ssTimer_(ssTimer), settings_(settings) {}

    // Whether the box holds 0 or 1.
    bool TimerBoxChooses() const;
    // The one choice of the running timer: ccTimer while the box holds 1, ssTimer otherwise; the
    // other one stops.
    void RunChosenTimer();
    // The engine start: the chosen timer runs.
    void StartChosenTimer();
    // The box's click: the chosen timer runs only in place of a running one, so a paused engine
    // stays paused.
    void TimerBoxClicked();
    // Output: ccTimer takes Freq's period and the chosen timer runs, paused or not.
    void RunAtOutputPeriod();
    // Preview: ccTimer ticks every 10 ms. No timer starts or stops.
    void UsePreviewPeriod();
    // "&Start Engine" ends a pause; the chosen timer runs once the output starts.
    void EndPause();
    void TogglePause();
    // Every exit: no tick runs from here on.
    void StopTimers();

    bool Paused() const { return paused_; }

private:
    void SetCcInterval(int32_t ms);

    PrecisionTimer& ccTimer_;
    PrecisionTimer& ssTimer_;
    const PanelSettings& settings_;
    bool paused_ = false;
};

}  // namespace qv
