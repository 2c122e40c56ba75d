#pragma once

#include <functional>

#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

inline constexpr const char* kPauseEngine = "Pause Engine";
inline constexpr const char* kResumeEngine = "Resume Engine";

// Where the panel is (shown or in the tray), whether the engine is paused, whether the tray
// menu is open for use, and which engine timer runs at what period. The panel's handlers move
// it; the panel mirrors it in the tray menu and in Freq.
class TrayState final {
public:
    TrayState(PrecisionTimer& ccTimer, PrecisionTimer& ssTimer, const PanelSettings& settings)
        : ccTimer_(ccTimer), ssTimer_(ssTimer), settings_(settings) {}

    // The one choice of the running timer: ccTimer while "High Precision Timer" holds 1,
    // ssTimer otherwise; the other one stops.
    void RunChosenTimer();
    // Checks "HP Timer" or "Standard Timer".
    void SetTimerChecks(bool highPrecision);

    // The engine start: Freq and the checks follow the box, and the chosen timer runs.
    void StartChosenTimer();
    // The box's click: the same, but a timer starts only in place of a running one, so a
    // paused engine stays paused.
    void TimerBoxClicked();
    // "&Start Engine" on the way to the tray: the tray menu opens for use and output runs.
    void StartClicked();
    // Every trip to the tray: ccTimer takes Freq's period and the chosen timer runs, paused or not.
    void GoToTray();
    // Both restores: the tray menu closes for use; ccTimer previews at 10 ms. No timer changes.
    void Restore();
    void TogglePause();
    // Every exit: no tick runs from here on.
    void StopTimers();

    bool Paused() const { return paused_; }
    const char* PauseCaption() const { return paused_ ? kResumeEngine : kPauseEngine; }
    bool InTray() const { return inTray_; }
    bool MenuEnabled() const { return menuEnabled_; }
    bool HighPrecisionChecked() const { return highPrecisionChecked_; }
    bool FreqEnabled() const { return freqEnabled_; }

    // Runs after every change above, so the panel can mirror it.
    std::function<void()> Changed;

private:
    // Freq and the checks follow a box of 0 or 1; false for the grey 2, which chooses nothing.
    bool FollowTimerBox();
    void SetCcInterval(int32_t ms);
    void Notify();

    PrecisionTimer& ccTimer_;
    PrecisionTimer& ssTimer_;
    const PanelSettings& settings_;
    bool paused_ = false;
    bool inTray_ = false;
    bool menuEnabled_ = false;
    bool highPrecisionChecked_ = false;
    bool freqEnabled_ = true;
};

}  // namespace qv
