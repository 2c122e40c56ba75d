#include "device/LampSequences.h"
#include "keys/AssignmentDialog.h"
#include "panel/ControlPanel.h"

namespace qv {

// The slot buttons act as check boxes: a click checks one, which opens the assignment
// dialog; unchecking it afterwards runs the handler once more, which only moves the focus.
void ControlPanel::ConnectSlotButtons() {
    for (int slot = 0; slot < kSlots; ++slot) {
        QPushButton* button = c_.btnKEY[static_cast<std::size_t>(slot)];
        button->setCheckable(true);
        connect(button, &QPushButton::toggled, this, [this, slot] { btnKEY_Click(slot); });
    }
}

AssignmentDialog& ControlPanel::KeyDialog() {
    if (!assignment_) {
        assignment_ = std::make_unique<AssignmentDialog>(model_);
    }
    return *assignment_;
}

void ControlPanel::btnKEY_Click(int Index) {
    QPushButton* button = c_.btnKEY[static_cast<std::size_t>(Index)];
    if (button->isChecked()) {
        // The mode is taken once: the dialog edits this mode's slot even if the switch moves.
        const auto m = static_cast<uint8_t>(model_.Mode);
        ShowSlotLamp(app_.link, model_, Index);
        AssignmentDialog& keys = KeyDialog();
        keys.PopUp(static_cast<int16_t>(Index), m);
        ShowIdleLamps(app_.link);
        // Cancel drops the key edits, not the function text.
        model_.KeyLabel[m][static_cast<std::size_t>(Index)] = keys.FunctionText().toStdString();
        button->setChecked(false);
    }
    c_.Send->setFocus();
}

}  // namespace qv
