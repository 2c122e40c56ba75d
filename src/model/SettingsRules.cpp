#include "model/SettingsRules.h"

namespace qv {

// Handlers set other values and so run further handlers; the panel mirrors once, at the end.
class SettingsRules::Operation final {
public:
    explicit Operation(SettingsRules& rules) : rules_(rules) { ++rules_.depth_; }
    ~Operation() {
        if (--rules_.depth_ == 0 && rules_.Changed) {
            rules_.Changed();
        }
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    SettingsRules& rules_;
};

void SettingsRules::Set(Setting setting, int value) {
    Operation operation(*this);
    SetValue(setting, value);
}

void SettingsRules::Commit(Setting setting, int value) {
    Operation operation(*this);
    values_.*setting = value;
    RunChange(setting);
}

void SettingsRules::Drag(Setting setting, int position) {
    Operation operation(*this);
    values_.*setting = position;
    RunScroll(setting);
}

void SettingsRules::StartLoad() {
    PanelSettings start;
    start.MidDeadZone = start.DeadZone;
    start.chkCCTIMER = values_.chkCCTIMER;
    start.Freq = values_.Freq;
    values_ = start;
    states_ = SettingsStates{};
    SavedWalkState = 0;
    SavedWalkZone = kFirstWalkZone;
}

void SettingsRules::Load(Setting setting, int value) {
    Operation operation(*this);
    if (setting == &PanelSettings::chkWalk) {
        LoadWalk(value);
    } else {
        SetValue(setting, value);
    }
}

bool SettingsRules::TakeFocusRequest() {
    const bool requested = focusRequested_;
    focusRequested_ = false;
    return requested;
}

void SettingsRules::SetValue(Setting setting, int value) {
    if (values_.*setting != value) {
        values_.*setting = value;
        RunChange(setting);
    }
}

void SettingsRules::RunChange(Setting setting) {
    if (setting == &PanelSettings::DeadZone) {
        RaiseWalkZoneToDeadZone();
    } else if (setting == &PanelSettings::MidDeadZone) {
        PullDeadZoneToWalkZone();
        if (!states_.MidDeadZone) {
            return;  // a disabled walk zone keeps the focus where it is
        }
    } else if (setting == &PanelSettings::chkWalk) {
        chkWalk_Click();
    } else if (setting == &PanelSettings::chkSimMouse) {
        chkSimMouse_Click();
    } else if (setting == &PanelSettings::chkMovement) {
        chkMovement_Click();
        return;  // the only handler that leaves the focus alone
    } else if (setting == &PanelSettings::chkAngles) {
        chkAngles_Click();
    } else if (setting == &PanelSettings::chkCCTIMER && TimerBoxClicked) {
        TimerBoxClicked();
    }
    focusRequested_ = true;
}

void SettingsRules::RunScroll(Setting setting) {
    if (setting == &PanelSettings::DeadZone) {
        RaiseWalkZoneToDeadZone();
    } else if (setting == &PanelSettings::MidDeadZone) {
        PullDeadZoneToWalkZone();
    } else if (setting == &PanelSettings::Freq) {
        focusRequested_ = true;
    }
}

void SettingsRules::RaiseWalkZoneToDeadZone() {
    if (values_.DeadZone > values_.MidDeadZone || values_.chkWalk == 0) {
        SetValue(&PanelSettings::MidDeadZone, values_.DeadZone);
    }
}

void SettingsRules::PullDeadZoneToWalkZone() {
    if (values_.DeadZone > values_.MidDeadZone) {
        SetValue(&PanelSettings::DeadZone, values_.MidDeadZone);
    }
}

void SettingsRules::ParkWalk() {
    SavedWalkState = values_.chkWalk;
    if (values_.chkWalk != 0) {
        SavedWalkZone = values_.MidDeadZone;
    }
}

// The walk zone read is the one walk brings back. With walk off the walk zone stands on the dead
// zone; only a hand-made file holds one above it, and that one is put aside for walk. The
// program writes them equal, and then nothing is put aside.
void SettingsRules::LoadWalk(int value) {
    const int walkZone = values_.MidDeadZone;
    SavedWalkZone = walkZone;
    SetValue(&PanelSettings::chkWalk, value);
    if (values_.chkWalk != 1) {
        SetValue(&PanelSettings::MidDeadZone, values_.DeadZone);
        SavedWalkZone = walkZone > values_.DeadZone ? walkZone : kFirstWalkZone;
    }
}

void SettingsRules::chkWalk_Click() {
    if (values_.chkWalk == 1) {
        states_.walk = true;
        states_.MidDeadZone = true;
        SetValue(&PanelSettings::MidDeadZone, SavedWalkZone);
    } else {
        states_.walk = false;
        SavedWalkZone = values_.MidDeadZone;
        states_.MidDeadZone = false;
        SetValue(&PanelSettings::MidDeadZone, values_.DeadZone);
    }
}

// With the stick as the mouse the direction buttons vanish and walk is put aside; turning it
// off brings both back.
void SettingsRules::chkSimMouse_Click() {
    if (values_.chkSimMouse != 0) {
        states_.directions = false;
        states_.directionsShown = false;
        ParkWalk();
        SetValue(&PanelSettings::chkWalk, 0);
        states_.chkWalk = false;
    }
    if (values_.chkSimMouse == 0) {
        states_.directions = true;
        states_.directionsShown = true;
        states_.chkWalk = true;
        SetValue(&PanelSettings::chkWalk, SavedWalkState);
        if (values_.chkWalk != 0) {
            SetValue(&PanelSettings::MidDeadZone, SavedWalkZone);
        }
    }
}

void SettingsRules::chkMovement_Click() {
    const bool on = values_.chkMovement != 0;
    states_.chkSimMouse = on;
    states_.directions = on;
    states_.DeadZone = on;
}

void SettingsRules::chkAngles_Click() {
    const bool on = values_.chkAngles != 0;
    states_.twist = on;
    states_.DeadZone2 = on;
}

}  // namespace qv
