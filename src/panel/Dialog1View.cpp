#include "panel/Dialog1.h"
#include "ui/Buttons.h"
#include "ui/ModalWindows.h"
#include "ui/PanelLook.h"

namespace qv {

bool Dialog1::OnScreen() const {
    return isVisible() && !isMinimized();
}

// A modal window open means the person is still at work in the panel's windows, whatever the
// desktop did to the panel meanwhile: the engine goes on previewing.
bool Dialog1::Shown() const {
    return OnScreen() || ModalWindowOpen();
}

void Dialog1::Refresh() {
    liveView_->Refresh();
}

void Dialog1::SetSlotColour(int slot, bool active) {
    SetFace(c_.btnKEY[static_cast<std::size_t>(slot)], active ? kActiveFace : kIdleFace);
}

void Dialog1::SetSimMouseColour(bool active) {
    SetFace(c_.chkSimMouse, active ? kActiveFace : kIdleFace);
}

void Dialog1::SetSendEnabled(bool enabled) {
    c_.Send->setEnabled(enabled);
}

void Dialog1::FocusSend() {
    if (OnScreen()) {
        c_.Send->setFocus();
    }
}

void Dialog1::LoadDefaultProfile() {
    profiles_->LoadDefaultProfile = true;
    profiles_->menLoad_Click();
}

}  // namespace qv
