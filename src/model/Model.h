#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Axes.h"
#include "model/AxisCalibration.h"

namespace qv {

inline constexpr int kModes = 3;
inline constexpr int kSlots = 34;
inline constexpr int kSteps = 301;
// The most values a profile file holds for one slot, step 0 and the closing 0 included.
inline constexpr int kMaxKeyListValues = 255;
// Slots 0..6 come from the axes: up, down, left, right, turn left, turn right, walk.
inline constexpr int kAxisSlots = 7;
inline constexpr int kWalkSlot = 6;
inline constexpr int kFirstButtonSlot = 7;
inline constexpr int kPages = 3;

using KeySteps = std::array<int32_t, kSteps>;
using ComboSteps = std::array<bool, kSteps>;

// The values of the panel's settings controls. The panel keeps them current as its controls
// change; the engine, the mouse motion and the profile code read them here.
struct PanelSettings {
    int chkMovement = 1;
    int chkAngles = 1;
    int chkWalk = 0;
    int chkSimMouse = 0;
    int chkCCTIMER = 0;
    int DeadZone = 100;
    int MidDeadZone = 470;
    int DeadZone2 = 450;
    int Freq = 5;
};

// The page layout that the live view moves the three shift pages towards, in twips.
struct PageTargets {
    std::array<int16_t, kPages> PanelTop{4320, 6000, 6480};
    std::array<int16_t, kPages> PanelHeight{1575, 375, 375};
};

// Every process-wide table of the system, owned by the application and passed by reference.
struct Model {
    std::array<std::array<KeySteps, kSlots>, kModes> KeyMap{};
    std::array<std::array<ComboSteps, kSlots>, kModes> KeyMapCombo{};
    std::array<std::array<std::string, kSlots>, kModes> KeyLabel;
    std::array<std::array<uint8_t, 2>, kSlots> ButtonLed{};

    std::array<bool, kSlots> SlotActive{};
    std::array<bool, kSlots> SlotHeld{};
    std::array<bool, kAxisSlots> DirActive{};

    // The position of the controller's mode switch, 0..2.
    int Mode = 0;
    // Which page's shift button decided this tick's slots; false for the others.
    std::array<bool, kPages> PageFlag{};
    PageTargets Pages;

    Axes axes;
    // The calibration dialog's working records, kept from one opening to the next.
    AxisCalibration CalibX;
    AxisCalibration CalibY;
    AxisCalibration CalibTurn;
    PanelSettings settings;

    bool EngineReady = false;
};

// Writes the default assignments, labels and lamp bytes, the same for every mode.
void FillDefaults(Model& model);

// The page layout with page `open` (1..3) open and the other two closed.
PageTargets PageLayout(int open);

}  // namespace qv
