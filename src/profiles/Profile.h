#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Axes.h"
#include "model/Model.h"

namespace qv {

// The items of a profile file, numbered in the order the file holds them.
enum class Item {
    MinX = 1,
    MaxX,
    MinY,
    MaxY,
    MinTurn,
    MaxTurn,
    DeadZone,
    MidDeadZone,
    chkWalk,
    chkCCTIMER,
    chkAngles,
    DeadZone2,
    Blocks,
    chkSimMouse,
    chkMovement,
};

// The most values a key list of a profile file holds, its closing 0 included.
inline constexpr int kMaxKeyListValues = 255;

// One step of a key list: the code and its KeyMapCombo flag.
struct KeyStep {
    int32_t value = 0;
    bool combo = false;
};

// One (mode, slot) assignment as a file holds it: steps 0 up to the closing 0, and the label.
struct ProfileBlock {
    std::vector<KeyStep> steps;
    std::string label;  // UTF-8
};

// A whole profile, read and checked, not yet applied.
struct Profile {
    CalibrationLimits limits;
    int DeadZone = 0;
    int MidDeadZone = 0;
    int chkWalk = 0;
    int chkCCTIMER = 0;
    int chkAngles = 0;
    int DeadZone2 = 0;
    std::array<std::array<ProfileBlock, kSlots>, kModes> blocks;
    std::optional<int> chkSimMouse;
    std::optional<int> chkMovement;
};

// The panel's settings controls as a profile load sets them. The panel implements it: setting a
// value works as a change by the user, so the control's handler runs when the value differs.
class ProfileControls {
public:
    virtual ~ProfileControls() = default;
    virtual void SetControlValue(Item item, int value) = 0;
};

// Loads `profile` in the file's item order: the limits and ApplyCalibration, the controls of
// items 7 to 12, the assignments and labels, then chkSimMouse (0 when absent) and chkMovement (1
// when absent). Steps behind a key list's closing 0 keep their previous values and flags.
void ApplyProfile(const Profile& profile, Model& model, ProfileControls& controls);

}  // namespace qv
