#include "panel/LiveView.h"

#include <QAbstractButton>

#include "ui/PanelColour.h"
#include "ui/PanelPictures.h"
#include "ui/PictureBox.h"

namespace qv {

LiveView::LiveView(const Model& model, const LiveViewControls& controls)
    : model_(model),
      controls_(controls),
      pages_{ShiftPage(controls.lblButton[0]), ShiftPage(controls.lblButton[1]),
             ShiftPage(controls.lblButton[2])},
      animation_(model.Pages) {
    for (int i = 0; i < kSlots; ++i) {
        captions_[i] = controls_.btnKEY[i]->text().toStdString();
    }
}

void LiveView::Refresh() {
    StepPages();
    PlacePages();
    DrawModeMarker(*controls_.Slider, model_.Mode);
    const PanelSettings& settings = model_.settings;
    if (settings.chkMovement == 1) {
        DrawStickView(*controls_.Picture1, settings.MidDeadZone, settings.DeadZone,
                      model_.axes.AxisX, model_.axes.AxisY);
    }
    if (settings.chkAngles == 1) {
        DrawTwistView(*controls_.Picture2, settings.DeadZone2, model_.axes.AxisTurn);
    }
    ColourPages();
    WriteCaptions();
}

void LiveView::StepPages() {
    std::array<PagePlace, kPages> reported;
    for (int k = 0; k < kPages; ++k) {
        reported[k] = pages_[k].Geometry();
    }
    animation_.Step(reported, model_.Pages);
}

// Page 1 never moves: its target Top is always its design Top.
void LiveView::PlacePages() {
    pages_[0].SetHeight(animation_.PanelHeightNow[0]);
    for (int k = 1; k < kPages; ++k) {
        pages_[k].SetTop(animation_.PanelTopNow[k]);
        pages_[k].SetHeight(animation_.PanelHeightNow[k]);
    }
}

void LiveView::ColourPages() {
    for (int k = 0; k < kPages; ++k) {
        pages_[k].SetBackColor(model_.PageFlag[k] ? kRed : kSlate);
    }
}

void LiveView::WriteCaptions() {
    const auto& labels = model_.KeyLabel[model_.Mode];
    for (int i = 0; i < kSlots; ++i) {
        if (captions_[i] != labels[i]) {
            captions_[i] = labels[i];
            controls_.btnKEY[i]->setText(QString::fromStdString(labels[i]));
        }
    }
}

}  // namespace qv
