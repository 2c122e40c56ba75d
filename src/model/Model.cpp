#include "model/Model.h"

namespace qv {

namespace {

struct SlotDefault {
    const char* label;
    int32_t key;
    uint8_t led0;
    uint8_t led1;
};

constexpr std::array<SlotDefault, kSlots> kDefaults{{
    {"Move Up", 0x57, 0x00, 0x00},
    {"Move Down", 0x53, 0x00, 0x00},
    {"Move Left", 0x41, 0x00, 0x00},
    {"Move Right", 0x44, 0x00, 0x00},
    {"Turn Left", 0xBC, 0x00, 0x00},
    {"Turn Right", 0xBE, 0x00, 0x00},
    {"Walk", 0xA0, 0x00, 0x00},
    {"Weapon Group 1", 0x31, 0x56, 0x15},
    {"Weapon Group 2", 0x32, 0x59, 0x15},
    {"Jump", 0x20, 0x65, 0x15},
    {"Weapon Group 3", 0x33, 0x95, 0x15},
    {"Weapon Group 4", 0x34, 0x55, 0x16},
    {"Crouch", 0xA2, 0x55, 0x19},
    {"Zoom In", 0x6B, 0x00, 0x00},
    {"Zoom Out", 0x6D, 0x00, 0x00},
    {"Reload", 0x52, 0x55, 0x25},
    {"1", 0x61, 0x56, 0x15},
    {"2", 0x62, 0x59, 0x15},
    {"3", 0x63, 0x65, 0x15},
    {"4", 0x64, 0x95, 0x15},
    {"5", 0x65, 0x55, 0x16},
    {"6", 0x66, 0x55, 0x19},
    {"F1", 0x70, 0x56, 0x15},
    {"F2", 0x71, 0x59, 0x15},
    {"F3", 0x72, 0x65, 0x15},
    {"F4", 0x73, 0x95, 0x15},
    {"F5", 0x74, 0x55, 0x16},
    {"F6", 0x75, 0x55, 0x19},
    {"F9", 0x78, 0x56, 0x15},
    {"F10", 0x79, 0x59, 0x15},
    {"F11", 0x7A, 0x65, 0x15},
    {"F12", 0x7B, 0x95, 0x15},
    {"F13", 0x7C, 0x55, 0x16},
    {"F14", 0x7D, 0x55, 0x19},
}};

}  // namespace

void FillDefaults(Model& model) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (int slot = 0; slot < kSlots; ++slot) {
            model.KeyMap[mode][slot][1] = kDefaults[slot].key;
            model.KeyMap[mode][slot][0] = 0;
            model.KeyLabel[mode][slot] = kDefaults[slot].label;
        }
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        model.ButtonLed[slot] = {kDefaults[slot].led0, kDefaults[slot].led1};
    }
}

PageTargets PageLayout(int open) {
    switch (open) {
        case 2:
            return {{4320, 4800, 6480}, {375, 1575, 375}};
        case 3:
            return {{4320, 4800, 5280}, {375, 375, 1575}};
        default:
            return {{4320, 6000, 6480}, {1575, 375, 375}};
    }
}

}  // namespace qv
