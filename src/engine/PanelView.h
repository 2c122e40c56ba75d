#pragma once

namespace qv {

// What the engine needs of the control panel. The settings values themselves live in
// Model::settings, which the panel keeps current, and the pause state in the engine's
// EngineTimers; this is the rest: whether the panel is shown, the live view and the controls that
// the engine start sets.
class PanelView {
public:
    virtual ~PanelView() = default;

    // On screen, not hidden to the tray nor minimised: the engine previews instead of sending.
    virtual bool Shown() const = 0;
    // The live view of a tick while the panel is shown; the engine runs the preview after it.
    virtual void Refresh() = 0;
    // The preview's colouring of the slot button `slot` and of "Simulate Mouse": active or idle.
    virtual void SetSlotColour(int slot, bool active) = 0;
    virtual void SetSimMouseColour(bool active) = 0;

    virtual void SetSendEnabled(bool enabled) = 0;
    // Gives the focus to "&Start Engine", only while the panel is shown.
    virtual void FocusSend() = 0;
    // Loads "Default.qv1" without asking; the engine start's step between readiness and lamps.
    virtual void LoadDefaultProfile() = 0;
};

}  // namespace qv
