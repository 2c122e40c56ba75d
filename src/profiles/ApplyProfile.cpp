#include "profiles/Profile.h"

namespace qv {

namespace {

void ApplyBlocks(const Profile& profile, Model& model) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (int slot = 0; slot < kSlots; ++slot) {
            const ProfileBlock& block = profile.blocks[mode][slot];
            for (size_t step = 0; step < block.steps.size() && step < kSteps; ++step) {
                model.KeyMap[mode][slot][step] = block.steps[step].value;
                model.KeyMapCombo[mode][slot][step] = block.steps[step].combo;
            }
            model.KeyLabel[mode][slot] = block.label;
        }
    }
}

}  // namespace

void ApplyProfile(const Profile& profile, Model& model, SettingsRules& rules) {
    rules.StartLoad();
    // The limits take effect together, once the last of them is in.
    bool limitsPending = false;
    for (const ProfileItem& item : ProfileItems()) {
        if (item.limit != nullptr) {
            model.axes.Limits.*item.limit = profile.limits.*item.limit;
            limitsPending = true;
            continue;
        }
        if (limitsPending) {
            model.axes.ApplyCalibration();
            limitsPending = false;
        }
        if (item.setting == nullptr) {
            ApplyBlocks(profile, model);
            continue;
        }
        std::optional<int> value = profile.*item.value;
        if (!value) {
            value = item.whenAbsent;
        }
        if (value) {
            rules.Load(item.setting, *value);
        }
    }
}

}  // namespace qv
