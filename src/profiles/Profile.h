#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Axes.h"
#include "model/Model.h"
#include "model/SettingsRules.h"

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

// A whole profile, read and checked, not yet applied. A settings value is missing only where
// the file ends before an optional item.
struct Profile {
    CalibrationLimits limits;
    std::optional<int> DeadZone;
    std::optional<int> MidDeadZone;
    std::optional<int> chkWalk;
    std::optional<int> chkCCTIMER;
    std::optional<int> chkAngles;
    std::optional<int> DeadZone2;
    std::array<std::array<ProfileBlock, kSlots>, kModes> blocks;
    std::optional<int> chkSimMouse;
    std::optional<int> chkMovement;
};

// One item of a profile file and where its value lives: a calibration limit, or a settings
// control (in the panel and in a read profile); neither for the assignment blocks.
struct ProfileItem {
    Item item;
    // How a refusal names it.
    const char* name;
    int low = INT16_MIN;
    int high = INT16_MAX;
    int16_t CalibrationLimits::*limit = nullptr;
    Setting setting = nullptr;
    std::optional<int> Profile::*value = nullptr;
    // An optional item: a file may end before it, and it then loads this value.
    std::optional<int> whenAbsent;
};

// Every item in file order. The reader, the writer and the loader all walk this table.
const std::array<ProfileItem, 15>& ProfileItems();

// Loads `profile` in the file's item order: the limits and ApplyCalibration, the settings of
// items 7 to 12 through the rules, the assignments and labels, then chkSimMouse and
// chkMovement. Steps behind a key list's closing 0 keep their previous values and flags.
void ApplyProfile(const Profile& profile, Model& model, SettingsRules& rules);

}  // namespace qv
