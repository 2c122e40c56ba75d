#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "about/AboutWindows.h"
#include "app/Application.h"
#include "engine/PanelView.h"
#include "model/Model.h"
#include "model/PrecisionTimer.h"
#include "model/SettingsRules.h"
#include "panel/LiveView.h"
#include "panel/PanelControls.h"
#include "panel/PanelMenus.h"
#include "panel/TrayArea.h"
#include "panel/TrayMenuState.h"
#include "profiles/ProfileCommands.h"

namespace qv {

class AssignmentDialog;
class CalibrationDialog;
class ProfileNameDialog;

// What the panel works with besides the application, owned by whoever makes the panel: the tray
// and the calibration dialog's timer come from outside, so any implementation of their
// interfaces serves.
struct PanelParts {
    TrayArea& tray;
    // The calibration dialog's own timer.
    TimerDriver* calibrationDriver = nullptr;
    QString profileFolder = ProfileFolder();
    // Why no keyboard and mouse output can be made, or empty when it can.
    QString inputProblem;
    // The browser of the web-page window.
    WebBrowserSource webBrowsers = LoadWebBrowser;
};

// The control panel: the program's main window, which views and drives the application and is
// its engine's view. Its controls mirror the settings rules, which keep model.settings for the
// engine, and the tray menu's state.
class ControlPanel final : public QMainWindow, public PanelView {
    Q_OBJECT

public:
    ControlPanel(Application& app, PanelParts parts);
    ~ControlPanel() override;

    const PanelControls& Controls() const { return c_; }
    const PanelMenus& Menus() const { return m_; }
    const AboutWindows& Pages() const { return pages_; }

    // Start-up: the defaults, the controller, then the engine; false when the program must end.
    bool Form_Load();
    // An exit has run: the controller is closed and the panel is gone for good.
    bool Unloaded() const { return unloading_; }

    void MinimizeToTray();
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
    AssignmentDialog& KeyDialog();
    // Opens the calibration dialog modally; returns once it hides.
    void Calibrate_Click();

    // PanelView
    bool Shown() const override;
    void Refresh() override;
    void SetSlotColour(int slot, bool active) override;
    void SetSimMouseColour(bool active) override;
    void SetSendEnabled(bool enabled) override;
    void FocusSend() override;
    void LoadDefaultProfile() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectSettings();
    void ConnectCommands();
    void ConnectSlotButtons();
    void MirrorSettings();
    void MirrorTray();
    void ChooseTimerFromTray(bool highPrecision);
    void WindowStateChanged();
    // Where the panel stands while the engine counts it hidden: in the notification area, or
    // minimised when there is none.
    void StandInTray();
    void TrayAreaChanged();
    bool OnScreen() const;
    void Form_Unload();
    void Exit(bool fromTray);
    // The steps every exit takes before the windows unload; `fromTray` adds the tray's own.
    void ShutDown(bool fromTray);
    // The dialogs, then the panel: the program ends with its last window.
    void Unload();
    void UnloadDialogs();
    void TellInputProblem();

    Application& app_;
    PanelParts parts_;
    Model& model_;
    PanelControls c_;
    PanelMenus m_;
    TrayMenuState trayMenu_;
    SettingsRules rules_;
    // Loaded on first use, then hidden between openings.
    CalibrationDialog* calibration_ = nullptr;
    ProfileNameDialog* profileName_ = nullptr;
    AboutWindows pages_;
    std::unique_ptr<AssignmentDialog> assignment_;
    std::unique_ptr<ProfileCommands> profiles_;
    bool unloading_ = false;
    bool inputProblemTold_ = false;
    std::unique_ptr<LiveView> liveView_;
};

}  // namespace qv
