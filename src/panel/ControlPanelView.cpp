#include "panel/ControlPanel.h"
#include "ui/Buttons.h"
#include "ui/ModalWindows.h"
#include "ui/PanelLook.h"

namespace qv {

bool ControlPanel::OnScreen() const {
    return isVisible() && !isMinimized();
}

// A modal window open means the person is still at work in the panel's windows, whatever the
// desktop did to the panel meanwhile: the engine goes on previewing.
bool ControlPanel::Shown() const {
    return OnScreen() || ModalWindowOpen();
}

void ControlPanel::Refresh() {
    liveView_->Refresh();
}

void ControlPanel::SetSlotColour(int slot, bool active) {
    SetFace(c_.btnKEY[static_cast<std::size_t>(slot)], active ? kActiveFace : kIdleFace);
}

void ControlPanel::SetSimMouseColour(bool active) {
    SetFace(c_.chkSimMouse, active ? kActiveFace : kIdleFace);
}

void ControlPanel::SetSendEnabled(bool enabled) {
    c_.Send->setEnabled(enabled);
}

void ControlPanel::FocusSend() {
    if (OnScreen()) {
        c_.Send->setFocus();
    }
}

void ControlPanel::LoadDefaultProfile() {
    profiles_->LoadDefaultProfile = true;
    profiles_->menLoad_Click();
}

}  // namespace qv
