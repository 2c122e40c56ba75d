#pragma once

#include <QMenu>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "FakeClock.h"
#include "FakeWebBrowser.h"
#include "MessageBoxAnswers.h"
#include "QtTestApp.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "StepTimerDriver.h"
#include "app/Application.h"
#include "panel/ControlPanel.h"
#include "panel/TrayArea.h"

namespace qv::test {

// A notification area that is there or not, and remembers what was done to it.
class FakeTray final : public TrayArea {
public:
    bool Available() const override { return available; }
    void AddIcon(const QIcon&, QMenu* with) override {
        shown = true;
        menu = with;
        log.push_back("add");
    }
    void DeleteIcon() override {
        shown = false;
        log.push_back("delete");
        reportsAtDelete.push_back(reports != nullptr ? reports->size() : 0);
    }
    void Watch(bool on) override { watched = on; }

    // The desktop's panel that holds the area quits or comes back.
    void SetAvailable(bool now) {
        available = now;
        if (watched && AreaChanged) {
            AreaChanged();
        }
    }

    bool available = true;
    bool shown = false;
    bool watched = false;
    QMenu* menu = nullptr;
    std::vector<std::string> log;
    // The controller's feature reports, to tell when the icon went away.
    const std::vector<SentFeatureReport>* reports = nullptr;
    std::vector<std::size_t> reportsAtDelete;
};

// The application against the scripted controller, a recording sink and hand-stepped timers, and
// the real panel on it with an empty profile folder of its own; the fake tray unless a desktop's
// own is given.
struct PanelHarness {
    explicit PanelHarness(bool withController = true, bool trayAvailable = true,
                          QString inputProblem = {}, TrayArea* desktopTray = nullptr) {
        MessageBoxAnswers::ClearAnswered();
        if (withController) {
            hid.AddController();
        }
        tray.available = trayAvailable;
        tray.reports = &hid.featureReports;
        TrayArea& area = desktopTray != nullptr ? *desktopTray : tray;
        panel =
            std::make_unique<ControlPanel>(app, PanelParts{.tray = area,
                                                           .calibrationDriver = &calib,
                                                           .profileFolder = folder.path(),
                                                           .inputProblem = std::move(inputProblem),
                                                           .webBrowsers = browsers.Source()});
    }

    // The load step, then the panel shown as the program shows it.
    void Start() {
        ASSERT_TRUE(panel->Form_Load());
        panel->show();
        QCoreApplication::processEvents();
    }

    // The controller's next input report: the report ID, then bytes 1..6.
    void Report(Bytes bytes) { hid.present.front().waiting.push_back(std::move(bytes)); }

    const PanelControls& Controls() const { return panel->Controls(); }
    const PanelMenus& Menus() const { return panel->Menus(); }
    PrecisionTimer& CcTimer() { return app.engine.ccTimer; }
    PrecisionTimer& SsTimer() { return app.engine.ssTimer; }

    FakeClock clock;
    ScriptedHid hid{&clock};
    RecordingSink sink;
    FakeTray tray;
    StepTimerDriver cc;
    StepTimerDriver ss;
    StepTimerDriver calib;
    QTemporaryDir folder;
    FakeBrowsers browsers;
    Application app{{.hid = hid, .clock = clock, .sink = sink, .ccDriver = &cc, .ssDriver = &ss}};
    std::unique_ptr<ControlPanel> panel;
};

}  // namespace qv::test
