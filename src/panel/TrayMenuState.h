#pragma once

#include <functional>

#include "engine/EngineTimers.h"
#include "model/Model.h"

namespace qv {

inline constexpr const char* kPauseEngine = "Pause Engine";
inline constexpr const char* kResumeEngine = "Resume Engine";

// Where the panel is (shown or in the tray), whether the tray menu is open for use, which timer
// item it checks and whether Freq can be moved. The panel's tray handlers move it, and it moves
// the engine's timers with them; the panel mirrors it in the tray menu and in Freq.
class TrayMenuState final {
public:
    TrayMenuState(EngineTimers& timers, const PanelSettings& settings)
        : timers_(timers), settings_(settings) {}

    // The engine start, before the engine runs the chosen timer: Freq and the checks follow a
    // box of 0 or 1; the grey 2 leaves them.
    void FollowTimerBox();
    // The box's click: the same, then the engine's timers follow the box.
    void TimerBoxClicked();
    // Checks "HP Timer" or "Standard Timer".
    void SetTimerChecks(bool highPrecision);
    // "&Start Engine" on the way to the tray: the tray menu opens for use and output runs.
    void StartClicked();
    // Every trip to the tray: ccTimer takes Freq's period and the chosen timer runs, paused or not.
    void GoToTray();
    // Both restores: the tray menu closes for use; ccTimer previews at 10 ms. No timer changes.
    void Restore();
    void TogglePause();

    const char* PauseCaption() const { return timers_.Paused() ? kResumeEngine : kPauseEngine; }
    bool InTray() const { return inTray_; }
    bool MenuEnabled() const { return menuEnabled_; }
    bool HighPrecisionChecked() const { return highPrecisionChecked_; }
    bool FreqEnabled() const { return freqEnabled_; }

    // Runs after every change above, so the panel can mirror it.
    std::function<void()> Changed;

private:
    void Notify();

    EngineTimers& timers_;
    const PanelSettings& settings_;
    bool inTray_ = false;
    bool menuEnabled_ = false;
    bool highPrecisionChecked_ = false;
    bool freqEnabled_ = true;
};

}  // namespace qv
