#pragma once

#include <string>

#include "engine/PanelView.h"

namespace qv {

// The panel as the program without a window has it: hidden in the tray and running, so every
// tick sends output; nothing to show, colour or focus.
class HeadlessPanel final : public PanelView {
public:
    bool Visible() const override { return false; }
    std::string TrayPauseCaption() const override { return kPauseEngine; }
    void Refresh() override {}
    void SetSlotColour(int, bool) override {}
    void SetSimMouseColour(bool) override {}
    void SetFreqEnabled(bool) override {}
    void SetTimerMenuChecks(bool) override {}
    void SetSendEnabled(bool) override {}
    void FocusSend() override {}
    void LoadDefaultProfile() override {}
};

}  // namespace qv
