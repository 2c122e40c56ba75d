#pragma once

#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>

#include "QtTestApp.h"
#include "keys/AssignmentDialog.h"

namespace qv::test {

// One step of a slot as the tables hold it.
struct Step {
    int32_t code;
    bool held = false;
};

// Writes steps 0.. of (mode, slot) and the closing 0 after them.
inline void SetSlot(Model& model, int mode, int slot, std::initializer_list<Step> steps) {
    int k = 0;
    for (const Step& step : steps) {
        model.KeyMap[mode][slot][k] = step.code;
        model.KeyMapCombo[mode][slot][k] = step.held;
        ++k;
    }
    model.KeyMap[mode][slot][k] = 0;
    model.KeyMapCombo[mode][slot][k] = false;
}

// The assignment dialog over a model with the default assignments, driven through its
// controls while it is open.
struct AssignmentHarness {
    AssignmentHarness() { FillDefaults(model); }

    // Opens slot (mode, slot); `whileOpen` runs once the dialog is shown and the display
    // tick has passed. A dialog still open afterwards is closed by Cancel.
    void Open(int slot, int mode, const std::function<void()>& whileOpen = {}) {
        QTimer::singleShot(0, &keys, [this, whileOpen] {
            wasArmed = keys.Timer1().isActive();
            wasLoading = keys.Editor().Loading;
            keys.Timer1_Timer();
            if (whileOpen) {
                whileOpen();
            }
            if (keys.isVisible()) {
                Click(Controls().btnCancel);
            }
        });
        keys.PopUp(static_cast<int16_t>(slot), static_cast<uint8_t>(mode));
    }

    const AssignmentControls& Controls() const { return keys.Controls(); }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Key(int code) { Click(Controls().VK[static_cast<std::size_t>(code)]); }
    void Press(std::initializer_list<int> codes) {
        for (int code : codes) {
            Key(code);
        }
    }

    // The captions of the labels shown, in label order.
    QStringList Shown() const {
        QStringList shown;
        for (QLabel* label : Controls().lblOutput) {
            if (!label->isHidden()) {
                shown << label->text();
            }
        }
        return shown;
    }

    // Steps 0 .. last of (mode, slot) as codes, held ones negated.
    std::vector<int32_t> Stored(int mode, int slot, int last) const {
        std::vector<int32_t> steps;
        for (int k = 0; k <= last; ++k) {
            const int32_t code = model.KeyMap[mode][slot][k];
            steps.push_back(model.KeyMapCombo[mode][slot][k] ? -code : code);
        }
        return steps;
    }

    Model model;
    qv::AssignmentDialog keys{model};
    bool wasArmed = false;
    bool wasLoading = false;
};

}  // namespace qv::test
