#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/Model.h"
#include "engine/PanelView.h"
#include "panel/LiveView.h"
#include "panel/PanelControls.h"
#include "panel/PanelMenus.h"

namespace qv {

// The control panel: the program's main window. Its controls are the settings; it keeps
// model.settings equal to their values at every moment, since the engine reads them there.
class Dialog1 final : public QMainWindow, public PanelView {
    Q_OBJECT

public:
    explicit Dialog1(Model& model, QWidget* parent = nullptr);

    const PanelControls& Controls() const { return c_; }
    const PanelMenus& Menus() const { return m_; }

    void lblButton_Click(int Index);

    // PanelView
    bool Visible() const override;
    std::string TrayPauseCaption() const override { return trayPauseCaption_; }
    void Refresh() override;
    void SetSlotColour(int slot, bool active) override;
    void SetSimMouseColour(bool active) override;
    void SetFreqEnabled(bool enabled) override;
    void SetTimerMenuChecks(bool highPrecision) override;
    void SetSendEnabled(bool enabled) override;
    void FocusSend() override;
    void LoadDefaultProfile() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ConnectSettings();
    void DeadZone_Change();
    void DeadZone_Scroll();
    void MidDeadZone_Change();
    void MidDeadZone_Scroll();
    void DeadZone2_Change();
    void Freq_Change();
    void Freq_Scroll();
    void chkWalk_Click();
    void chkSimMouse_Click();
    void chkMovement_Click();
    void chkAngles_Click();

    void RaiseWalkZoneToDeadZone();
    void PullDeadZoneToWalkZone();
    void ShowFrequency();

    Model& model_;
    PanelControls c_;
    PanelMenus m_;
    std::string trayPauseCaption_ = kPauseEngine;
    // The walk box's value when "Simulate Mouse" went on, and the walk zone put aside.
    uint8_t SavedWalkState = 0;
    int16_t SavedWalkZone = 0;
    std::unique_ptr<LiveView> liveView_;
};

}  // namespace qv
