#include <QLabel>

#include "keys/AssignmentDialog.h"
#include "keys/LabelMetrics.h"
#include "ui/Buttons.h"
#include "ui/PanelLook.h"

namespace qv {

namespace {

constexpr double kLabelPoints = 10;

// A step's key: raised from the display on the controls' face colour.
void LookLikeKey(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetFace(label, kIdleFace);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, kIdleFace);
    label->setPalette(colours);
}

// The "+" between held keys: flat, borderless, in the window's colour.
void LookLikePlus(QLabel* label) {
    label->setFrameStyle(QFrame::NoFrame);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, kPanelColour);
    label->setPalette(colours);
}

}  // namespace

void MakeStepLabels(AssignmentControls& c) {
    for (int i = 0; i < kStepLabels; ++i) {
        auto* label = new QLabel(c.Frame1);
        label->setObjectName(QStringLiteral("lblOutput%1").arg(i));
        label->hide();
        label->setAutoFillBackground(true);
        label->setFont(ArialFont(kLabelPoints));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(false);
        label->setGeometry(0, 0, 1, 1);
        LookLikeKey(label);
        c.lblOutput[static_cast<std::size_t>(i)] = label;
    }
}

void AssignmentDialog::Form_Load() {
    MakeStepLabels(c_);
    metrics_ = std::make_unique<LabelMetrics>(font(), ArialFont(kLabelPoints));
    placed_.reserve(kStepLabels);
}

void AssignmentDialog::ShowKeyLabels() {
    LayOutSteps(editor_, *metrics_, placed_);
    const int height = metrics_->LabelHeightPixels();
    const QString plus = QStringLiteral("+");
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        const PlacedLabel& place = placed_[i];
        QLabel* label = c_.lblOutput[i];
        if (place.plus != plusLook_[i]) {
            plusLook_[i] = place.plus;
            place.plus ? LookLikePlus(label) : LookLikeKey(label);
        }
        const QString& text = place.plus ? plus : metrics_->Caption(place.code);
        label->setText(text);
        const int width =
            Px(place.plus ? metrics_->PlusLabelWidth() : metrics_->LabelWidth(place.code));
        label->setGeometry(Px(place.left), Px(place.top), width, height);
        label->show();
        place.plus ? label->lower() : label->raise();
    }
    for (std::size_t i = placed_.size(); i < c_.lblOutput.size(); ++i) {
        c_.lblOutput[i]->hide();
    }
}

}  // namespace qv
