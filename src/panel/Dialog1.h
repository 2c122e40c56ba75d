#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "device/DeviceLink.h"
#include "model/Clock.h"
#include "engine/Engine.h"
#include "model/Model.h"
#include "engine/PanelView.h"
#include "input/InputSink.h"
#include "panel/LiveView.h"
#include "panel/PanelControls.h"
#include "panel/PanelMenus.h"
#include "panel/TrayArea.h"
#include "profiles/Profile.h"
#include "profiles/ProfileCommands.h"

namespace qv {

class Filename;
class Keys;

// What the panel works with: the program wires the real ones, tests fakes.
struct PanelParts {
    Model& model;
    DeviceLink& link;
    Clock& clock;
    InputSink& sink;
    TrayArea& tray;
    TimerDriver* ccDriver = nullptr;
    TimerDriver* ssDriver = nullptr;
    QString profileFolder = ProfileFolder();
    // Why no keyboard and mouse output can be made, or empty when it can.
    QString inputProblem;
};

// The control panel: the program's main window. It owns the engine and its timers. Its
// controls are the settings; it keeps model.settings equal to their values at every moment,
// since the engine reads them there.
class Dialog1 final : public QMainWindow, public PanelView, public ProfileControls {
    Q_OBJECT

public:
    explicit Dialog1(PanelParts parts);
    ~Dialog1() override;

    const PanelControls& Controls() const { return c_; }
    const PanelMenus& Menus() const { return m_; }
    Engine& TheEngine() { return engine_; }

    // Start-up: the defaults, the controller, then the engine; false when the program must end.
    bool Form_Load();
    // An exit has run: the controller is closed and the panel is gone for good.
    bool Unloaded() const { return unloading_; }

    void minimize_to_tray();
    void Send_Click();
    void TrayPause_Click();
    void TrayRestore_Click();
    void TrayCC_Click();
    void TraySS_Click();
    void TrayExit_Click();
    void CancelButton_Click(int Index);
    void menExit_Click();
    void lblButton_Click(int Index);
    void btnKEY_Click(int Index);
    // The assignment dialog, made when it is first needed.
    Keys& KeyDialog();

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

    // ProfileControls
    void SetControlValue(Item item, int value) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectSettings();
    void ConnectCommands();
    void ConnectSlotButtons();
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
    void chkCCTIMER_Click();
    void Form_Resize();
    void Form_Unload();

    void RaiseWalkZoneToDeadZone();
    void PullDeadZoneToWalkZone();
    void ShowFrequency();
    void SetTrayPauseCaption(const char* caption);
    void SetTrayOptionsEnabled(bool enabled);
    void SetCcInterval(int32_t ms);
    void StopEngineTimers();
    void FinishOutput();
    void LeaveController();
    void Unload();
    void CloseDialogs();
    void TellInputProblem();

    PanelParts parts_;
    Model& model_;
    PanelControls c_;
    PanelMenus m_;
    Engine engine_;
    Filename* filename_ = nullptr;
    std::unique_ptr<Keys> keys_;
    std::unique_ptr<ProfileCommands> profiles_;
    std::string trayPauseCaption_ = kPauseEngine;
    // The walk box's value when "Simulate Mouse" went on, and the walk zone put aside.
    uint8_t SavedWalkState = 0;
    int16_t SavedWalkZone = 0;
    bool inTray_ = false;
    bool unloading_ = false;
    bool inputProblemTold_ = false;
    std::unique_ptr<LiveView> liveView_;
};

}  // namespace qv
