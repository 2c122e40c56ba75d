#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "keys/StepLayout.h"
#include "ui/CheckButton.h"

namespace qv {

// The most characters the user types as a slot's function text.
inline constexpr int kMostFunctionText = 25;

// The assignment dialog's controls, at their design captions, states and places.
struct AssignmentControls {
    QFrame* Frame1 = nullptr;
    QLabel* lblKeyFunction = nullptr;
    QLineEdit* txtKeyFunction = nullptr;
    CheckButton* chkSingleKey = nullptr;
    CheckButton* chkSequence = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* Image1 = nullptr;
    CheckButton* chkKeyCombo = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* btnCancel = nullptr;

    // VK(code): the key button that enters an output code; null where none does.
    std::array<QPushButton*, 256> VK{};
    std::array<QLabel*, kStepLabels> lblOutput{};
};

// Creates every control on `dialog`, the step labels left aside (Form_Load makes them).
AssignmentControls BuildAssignmentControls(QWidget* dialog);

// Makes the step labels inside Frame1, hidden.
void MakeStepLabels(AssignmentControls& c);

}  // namespace qv
