#pragma once

#include <functional>

#include "model/Model.h"

namespace qv {

// One settings control, named by where its value lives.
using Setting = int PanelSettings::*;

// What the rules switch on and off besides the values.
struct SettingsStates {
    bool chkSimMouse = true;
    bool chkWalk = true;
    bool DeadZone = true;
    bool MidDeadZone = false;
    bool DeadZone2 = true;
    // btnKEY(0..3): usable, and shown (they vanish while the stick drives the mouse).
    bool directions = true;
    bool directionsShown = true;
    // btnKEY(4..5) of the twist and btnKEY(6) of walk.
    bool twist = true;
    bool walk = false;

    bool operator==(const SettingsStates&) const = default;
};

// The handlers that keep the settings consistent, over plain values: the walk zone never under
// the dead zone and following it while walk is off, walk parked while "Simulate Mouse" is on,
// the groups switched on and off with their boxes. The panel mirrors values and states in its
// controls; the profile loader drives the rules as it reads.
class SettingsRules final {
public:
    explicit SettingsRules(PanelSettings& values) : values_(values) {}

    // Code sets a control's value: its handler runs only when the value differs.
    void Set(Setting setting, int value);
    // The user changed a control (a click, a drag let go): the value is taken and the handler
    // runs, even when a drag had already brought the value there.
    void Commit(Setting setting, int value);
    // The user drags a scroll bar's thumb: the value follows and the scroll handler runs.
    void Drag(Setting setting, int position);
    // A profile load begins: the settings a profile holds, and what is parked, go back to where
    // start-up leaves them, without their handlers, so that the load ends in a state that
    // depends on the file alone. The timer box keeps its value, which chose the running timer.
    // The panel mirrors them with the load's first value.
    void StartLoad();
    // A profile load sets a value. Walk and "Simulate Mouse" then bring back this profile's walk
    // zone: the one read, whether walk is on or put aside.
    void Load(Setting setting, int value);

    const PanelSettings& Values() const { return values_; }
    const SettingsStates& States() const { return states_; }
    // True once after a handler gave the focus to "&Start Engine".
    bool TakeFocusRequest();

    // The "High Precision Timer" box's handler, which chooses the engine timer.
    std::function<void()> TimerBoxClicked;
    // Runs once at the end of every operation above but StartLoad, so the panel can mirror
    // its outcome.
    std::function<void()> Changed;

private:
    class Operation;

    void SetValue(Setting setting, int value);
    void RunChange(Setting setting);
    void RunScroll(Setting setting);
    void RaiseWalkZoneToDeadZone();
    void PullDeadZoneToWalkZone();
    void ParkWalk();
    void LoadWalk(int value);
    void chkWalk_Click();
    void chkSimMouse_Click();
    void chkMovement_Click();
    void chkAngles_Click();

    static constexpr int kFirstWalkZone = 256;

    PanelSettings& values_;
    SettingsStates states_;
    // The walk box's value when "Simulate Mouse" went on, and the walk zone put aside; the first
    // walk zone until one has been parked.
    int SavedWalkState = 0;
    int SavedWalkZone = kFirstWalkZone;
    bool focusRequested_ = false;
    int depth_ = 0;
};

}  // namespace qv
