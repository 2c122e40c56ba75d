#include "keys/KeyEditor.h"

#include <algorithm>

namespace qv {

void KeyEditor::Load(const Model& model, int16_t Button, uint8_t Slider) {
    Loading = true;
    SeqToggleArmed = true;
    CurButton = Button;
    CurSlider = Slider;
    KeyBuffer = model.KeyMap[Slider][static_cast<std::size_t>(Button)];
    ComboBuffer = model.KeyMapCombo[Slider][static_cast<std::size_t>(Button)];
    ComboLead = 0;
    if (KeyBuffer[0] == 0) {
        c_.cmdUndoEnabled = false;
        // A hand-edited profile may hold a combination that never ends; the scan stops at the
        // slot's last step, and the closing 0 still needs a step of its own.
        int last = 1;
        while (last < kSteps - 1 && ComboBuffer[static_cast<std::size_t>(last)]) {
            ++last;
        }
        KeyCount = static_cast<int16_t>(std::min(last, kMostSlotSteps));
        SetSingleKey(1);
    } else {
        // A hand-made profile may claim more steps than its list holds: the list ends at its
        // first 0, as the file's own does.
        const int claimed = std::clamp(KeyBuffer[0], 0, kMostSequenceSteps);
        int last = 0;
        while (last < claimed && KeyBuffer[static_cast<std::size_t>(last + 1)] != 0) {
            ++last;
        }
        KeyCount = static_cast<int16_t>(last);
        EndGroupAtLastStep();
        SetSequence(1);
    }
}

void KeyEditor::Store(Model& model) const {
    model.KeyMap[CurSlider][static_cast<std::size_t>(CurButton)] = KeyBuffer;
    model.KeyMapCombo[CurSlider][static_cast<std::size_t>(CurButton)] = ComboBuffer;
}

void KeyEditor::SetSingleKey(int value) {
    if (value != c_.chkSingleKey) {
        c_.chkSingleKey = value;
        chkSingleKey_Click();
    }
}

void KeyEditor::SetSequence(int value) {
    if (value != c_.chkSequence) {
        c_.chkSequence = value;
        chkSequence_Click();
    }
}

void KeyEditor::SetKeyCombo(int value) {
    if (value != c_.chkKeyCombo) {
        c_.chkKeyCombo = value;
        chkKeyCombo_Click();
    }
}

void KeyEditor::chkSequence_Click() {
    if (SeqToggleArmed) {
        SetSingleKey(0);
    }
}

void KeyEditor::chkSingleKey_Click() {
    if (c_.chkSingleKey != 0) {
        ToSingleKeyMode();
    } else {
        ToSequenceMode();
    }
    SetKeyCombo(0);
    ComboLead = 0;
    SeqToggleArmed = true;
    view_.FocusOk();
}

void KeyEditor::ToSingleKeyMode() {
    SeqToggleArmed = false;
    SetSequence(0);
    c_.chkSequenceEnabled = true;
    c_.chkSingleKeyEnabled = false;
    c_.Label3 = kSingleKeyText;
    // A slot being loaded keeps its keys; a sequence the user turns into a single key keeps
    // its first step only.
    if (!Loading) {
        KeyCount = 1;
        ComboBuffer[1] = false;
    }
    c_.cmdUndoEnabled = false;
    c_.delaysEnabled = false;
}

void KeyEditor::ToSequenceMode() {
    c_.chkSequenceEnabled = false;
    c_.chkSingleKeyEnabled = true;
    c_.Label3 = kSequenceText;
    c_.cmdUndoEnabled = true;
    ComboBuffer[static_cast<std::size_t>(KeyCount)] = false;
    c_.delaysEnabled = true;
}

void KeyEditor::chkKeyCombo_Click() {
    const bool combo = c_.chkKeyCombo != 0;
    const bool single = c_.chkSingleKey != 0;
    const bool sequence = c_.chkSequence != 0;
    if (combo && single) {
        ComboLead = 0;
        KeyCount = 0;
    }
    if (single && !combo) {
        ComboLead = static_cast<uint8_t>(std::clamp(KeyCount - 1, 0, 255));
        KeyCount = 1;
        ComboBuffer[ComboLead + 1u] = false;
    }
    if (sequence && !combo) {
        ComboBuffer[static_cast<std::size_t>(KeyCount)] = false;
        c_.delaysEnabled = true;
    }
    if (sequence && combo) {
        c_.delaysEnabled = false;
    }
    view_.FocusOk();
}

void KeyEditor::VK_Click(int16_t Index) {
    const bool combo = c_.chkKeyCombo != 0;
    const bool single = c_.chkSingleKey != 0;
    if (combo || !single) {
        ++KeyCount;
        view_.ArmTimer1();
    }
    if (!combo && single) {
        ComboLead = 0;
    }
    KeyBuffer[static_cast<std::size_t>(KeyCount)] = Index;
    ComboBuffer[static_cast<std::size_t>(KeyCount)] = combo;
    view_.FocusOk();
}

void KeyEditor::cmdUndo_Click() {
    if (KeyCount > 0) {
        --KeyCount;
        if (c_.chkKeyCombo == 0) {
            EndGroupAtLastStep();
        }
    }
    view_.FocusOk();
}

// OK stores the last step released, so the display must not show it held: only an open
// combination shows a "+" after its last key.
void KeyEditor::EndGroupAtLastStep() {
    if (KeyCount > 0) {
        ComboBuffer[static_cast<std::size_t>(KeyCount)] = false;
    }
}

bool KeyEditor::btnOK_Click(Model& model) {
    if (KeyCount == 0) {
        view_.Beep();
        return false;
    }
    SetKeyCombo(0);
    KeyBuffer[0] = c_.chkSingleKey != 0 ? 0 : KeyCount;
    // The last step is never held. Only a slot cut short by the display can hold one here;
    // sent as it is, its keys would run on past the closing 0 into the old steps behind it.
    ComboBuffer[static_cast<std::size_t>(ShownSteps())] = false;
    KeyBuffer[static_cast<std::size_t>(ShownSteps() + 1)] = 0;
    Store(model);
    return true;
}

void KeyEditor::btnCancel_Click() {
    SetKeyCombo(0);
}

void KeyEditor::RefuseLastStep() {
    --KeyCount;
    view_.Beep();
}

int KeyEditor::LastStep() const {
    return c_.chkSingleKey != 0 ? kMostSlotSteps : kMostSequenceSteps;
}

}  // namespace qv
