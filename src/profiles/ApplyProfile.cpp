#include "profiles/Profile.h"

namespace qv {

void ApplyProfile(const Profile& profile, Model& model, ProfileControls& controls) {
    model.axes.Limits = profile.limits;
    model.axes.ApplyCalibration();

    controls.SetControlValue(Item::DeadZone, profile.DeadZone);
    controls.SetControlValue(Item::MidDeadZone, profile.MidDeadZone);
    controls.SetControlValue(Item::chkWalk, profile.chkWalk);
    controls.SetControlValue(Item::chkCCTIMER, profile.chkCCTIMER);
    controls.SetControlValue(Item::chkAngles, profile.chkAngles);
    controls.SetControlValue(Item::DeadZone2, profile.DeadZone2);

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

    controls.SetControlValue(Item::chkSimMouse, profile.chkSimMouse.value_or(0));
    controls.SetControlValue(Item::chkMovement, profile.chkMovement.value_or(1));
}

}  // namespace qv
