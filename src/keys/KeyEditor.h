#pragma once

#include <cstdint>

#include "model/Model.h"

namespace qv {

inline constexpr const char* kSingleKeyText = "Keys will be held down while button is pressed";
inline constexpr const char* kSequenceText = "Keys will be pressed and released in sequence";

// A profile holds a sequence as its length, its steps and the closing 0.
inline constexpr int kMostSequenceSteps = kMaxKeyListValues - 2;
// Every slot keeps step 300 free at least for the closing 0.
inline constexpr int kMostSlotSteps = kSteps - 2;

// What the assignment dialog's controls carry from one opening to the next.
struct KeyControlState {
    int chkSingleKey = 1;
    bool chkSingleKeyEnabled = false;
    int chkSequence = 0;
    bool chkSequenceEnabled = true;
    int chkKeyCombo = 0;
    bool cmdUndoEnabled = false;
    bool delaysEnabled = false;
    const char* Label3 = kSingleKeyText;
};

// What the editor asks of its window.
class KeyEditorView {
public:
    virtual ~KeyEditorView() = default;
    // Gives "OK" the focus, which lays the steps out, but only while the dialog is on screen.
    virtual void FocusOk() = 0;
    virtual void ArmTimer1() = 0;
    virtual void Beep() = 0;
};

// The assignment dialog without its window: the working copy of one slot and the mode
// machine of its check boxes. Setting a box runs its handler only when its value changes, so
// the handlers can set one another's boxes without looping.
class KeyEditor final {
public:
    explicit KeyEditor(KeyEditorView& view) : view_(view) {}

    // Takes slot (Slider, Button) as the working copy and puts the mode boxes in its mode.
    void Load(const Model& model, int16_t Button, uint8_t Slider);
    // Writes the working copy into the slot it came from, all 301 steps.
    void Store(Model& model) const;

    void SetSingleKey(int value);
    void SetSequence(int value);
    void SetKeyCombo(int value);
    void VK_Click(int16_t Index);
    void cmdUndo_Click();
    // False when there is nothing to store: the dialog stays open.
    bool btnOK_Click(Model& model);
    void btnCancel_Click();

    // Drops the last step shown, because the display has no room for it.
    void RefuseLastStep();
    // The highest step that may be shown and stored in the present mode.
    int LastStep() const;
    int ShownSteps() const { return ComboLead + KeyCount; }

    const KeyControlState& Controls() const { return c_; }

    KeySteps KeyBuffer{};
    ComboSteps ComboBuffer{};
    int16_t KeyCount = 0;
    uint8_t ComboLead = 0;
    uint8_t CurSlider = 0;
    int16_t CurButton = 0;
    bool Loading = false;
    bool SeqToggleArmed = true;

private:
    void chkSingleKey_Click();
    void chkSequence_Click();
    void chkKeyCombo_Click();
    void ToSingleKeyMode();
    void ToSequenceMode();
    void EndGroupAtLastStep();

    KeyEditorView& view_;
    KeyControlState c_;
};

}  // namespace qv
