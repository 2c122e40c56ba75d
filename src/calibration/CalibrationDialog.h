#pragma once

#include <QDialog>

#include "model/Clock.h"
#include "model/PrecisionTimer.h"

class QLineEdit;
class QPushButton;

namespace qv {

struct Model;
class PictureBox;

// The modal dialog in which the user moves the controller to all sides while it learns each
// axis's limits from the engine's raw samples and previews the stick and the twist as those
// limits would calibrate them. It asks for no close button; where the window manager draws one
// all the same, it cancels.
class CalibrationDialog final : public QDialog {
    Q_OBJECT

public:
    // `driver` delivers the events of the dialog's own timer.
    CalibrationDialog(Model& model, Clock& clock, TimerDriver* driver, QWidget* owner);

    void ssTimer_Timer();
    void OK_Click();
    void Cancel_Click();

    // Escape does nothing.
    void reject() override;

    PictureBox* Picture1() const { return Picture1_; }
    PictureBox* Picture2() const { return Picture2_; }
    QLineEdit* Text1() const { return Text1_; }
    QPushButton* OK() const { return OK_; }
    QPushButton* Cancel() const { return Cancel_; }

    // Every 10 ms while the dialog is open; the panel switches it on as it opens the dialog.
    PrecisionTimer ssTimer;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DrawStick();
    void DrawNeedle();

    Model& model_;
    PictureBox* Picture1_;
    PictureBox* Picture2_;
    QLineEdit* Text1_;
    QPushButton* OK_;
    QPushButton* Cancel_;
};

}  // namespace qv
