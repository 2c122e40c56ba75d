#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "keys/AssignmentControls.h"
#include "keys/KeyEditor.h"
#include "keys/StepLayout.h"
#include "model/Model.h"

namespace qv {

class LabelMetrics;

// "Key Assignment": edits what one slot sends in one mode by clicks on on-screen key buttons.
// Made on first use and only hidden between openings, so its controls keep their state.
class AssignmentDialog final : public QDialog, private KeyEditorView {
    Q_OBJECT

public:
    explicit AssignmentDialog(Model& model);
    ~AssignmentDialog() override;

    // Loads slot (Slider, Button), shows the dialog modally and returns once OK or Cancel has
    // hidden it. The slot's function text is then in txtKeyFunction.
    void PopUp(int16_t Button, uint8_t Slider);
    QString FunctionText() const;

    const AssignmentControls& Controls() const { return c_; }
    const KeyEditor& Editor() const { return editor_; }
    const QTimer& Timer1() const { return timer1_; }
    void Timer1_Timer();
    // How often the dialog has refused something with a beep.
    int Beeps() const { return beeps_; }

    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void btnOK_Click();
    void btnOK_GotFocus();
    void ShowKeyLabels();
    void ShowControls();

    // KeyEditorView
    void FocusOk() override;
    void ArmTimer1() override;
    void Beep() override;

    Model& model_;
    KeyEditor editor_{*this};
    AssignmentControls c_;
    QTimer timer1_;
    std::unique_ptr<LabelMetrics> metrics_;
    std::vector<PlacedLabel> placed_;
    // Which labels show a "+" now, so that a pass restyles only those that change role.
    std::array<bool, kStepLabels> plusLook_{};
    int beeps_ = 0;
    // Only the activation that follows an opening arms Timer1: coming back from another
    // program must not pull the focus out of the function text onto OK.
    bool activatedSinceOpened_ = false;
};

}  // namespace qv
