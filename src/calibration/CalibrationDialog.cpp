#include "calibration/CalibrationDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "model/AxisCalibration.h"
#include "model/Model.h"
#include "ui/FreshKeys.h"
#include "ui/PanelColour.h"
#include "ui/PanelLook.h"
#include "ui/PanelPictures.h"
#include "ui/PictureBox.h"

namespace qv {

namespace {

constexpr uint32_t kFormColour = 0xA6A198;
constexpr double kPictureScale = 1030;
constexpr int32_t kStepInterval = 10;

// A fixed tool window without control box: the desktop is asked for no close, minimise or
// maximise button.
constexpr Qt::WindowFlags kNoControlBox =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;

PictureBox* Picture(QWidget* parent, int left) {
    auto* picture = new PictureBox(kPictureScale, kPictureScale, parent);
    picture->setGeometry(TwipsRect(left, 120, 1455, 1455));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->SetBackColor(kFormColour);
    picture->SetFillColor(kRed);
    return picture;
}

QPushButton* Button(const char* caption, QWidget* parent, int left) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(TwipsRect(left, 2160, 1215, 495));
    // Neither button is the default: Enter in the text box must not end the calibration.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// Created in tab order: the pictures (display only, never focused), the text, OK, Cancel.
CalibrationDialog::CalibrationDialog(Model& model, Clock& clock, TimerDriver* driver,
                                     QWidget* owner)
    : QDialog(owner, kNoControlBox),
      ssTimer(clock, driver),
      model_(model),
      Picture1_(Picture(this, 120)),
      Picture2_(Picture(this, 1800)),
      Text1_(new QLineEdit(QStringLiteral("Move controller to all sides to calibrate"), this)),
      OK_(Button("OK", this, 120)),
      Cancel_(Button("Cancel", this, 2040)) {
    setWindowTitle(QStringLiteral("Calibration"));
    setFixedSize(Px(3375), Px(2775));
    setModal(true);
    // The light and dark edges follow the button face, so the sunken pictures show their frame.
    QPalette colours(kIdleFace, ColourNumber(kFormColour));
    colours.setColor(QPalette::Base, ColourNumber(kFormColour));
    setPalette(colours);
    Text1_->setGeometry(TwipsRect(120, 1680, 3135, 405));

    ssTimer.SetInterval(kStepInterval);
    ssTimer.Timer = [this](int32_t) { ssTimer_Timer(); };
    connect(OK_, &QPushButton::clicked, this, &CalibrationDialog::OK_Click);
    connect(Cancel_, &QPushButton::clicked, this, &CalibrationDialog::Cancel_Click);
    TakeOnlyFreshEnterAndEscape(*this, EnterKey::PressesFocusedButton);
}

void CalibrationDialog::ssTimer_Timer() {
    LearnFromSamples(model_);
    DrawStick();
    DrawNeedle();
}

void CalibrationDialog::OK_Click() {
    ssTimer.SetEnabled(false);
    CommitCalibration(model_);
    done(Accepted);
}

void CalibrationDialog::Cancel_Click() {
    ssTimer.SetEnabled(false);
    done(Rejected);
}

void CalibrationDialog::reject() {}

void CalibrationDialog::closeEvent(QCloseEvent* event) {
    Cancel_Click();
    QDialog::closeEvent(event);
}

void CalibrationDialog::DrawStick() {
    Picture1_->Cls();
    DrawStickDot(*Picture1_, model_.axes.SampleX.value, model_.axes.SampleY.value);
}

// Drawn twice, wide in the button-text colour and then narrow in red, so the needle keeps a
// dark edge over any background.
void CalibrationDialog::DrawNeedle() {
    const int16_t turn = model_.axes.SampleTurn.value;
    Picture2_->Cls();
    Picture2_->SetDrawWidth(7);
    Picture2_->SetForeColor(kButtonText);
    DrawNeedleLine(*Picture2_, turn);
    Picture2_->SetDrawWidth(3);
    Picture2_->SetForeColor(kRed);
    DrawNeedleLine(*Picture2_, turn);
}

}  // namespace qv
