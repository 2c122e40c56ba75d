#pragma once

#include <QMenu>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "FakeClock.h"
#include "QtTestApp.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "panel/Dialog1.h"
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
    }
    bool IconShown() const override { return shown; }

    bool available = true;
    bool shown = false;
    QMenu* menu = nullptr;
    std::vector<std::string> log;
};

// A timer driver stepped by hand.
class HandDriver final : public TimerDriver {
public:
    void start(Clock::Duration p, std::function<void()> f) override {
        period = p;
        fire = std::move(f);
        running = true;
    }
    void stop() override { running = false; }
    void Tick() {
        if (running) {
            fire();
        }
    }

    Clock::Duration period{};
    std::function<void()> fire;
    bool running = false;
};

// The real panel against the scripted controller, a recording sink, hand-stepped timers and
// an empty profile folder of its own.
struct PanelHarness {
    explicit PanelHarness(bool withController = true, bool trayAvailable = true,
                          QString inputProblem = {}) {
        if (withController) {
            hid.addController();
        }
        tray.available = trayAvailable;
        panel = std::make_unique<Dialog1>(PanelParts{
            .model = model,
            .link = link,
            .clock = clock,
            .sink = sink,
            .tray = tray,
            .ccDriver = &cc,
            .ssDriver = &ss,
            .profileFolder = folder.path(),
            .inputProblem = std::move(inputProblem),
        });
    }

    // The load step, then the panel shown as the program shows it.
    void Start() {
        ASSERT_TRUE(panel->Form_Load());
        panel->show();
        QCoreApplication::processEvents();
    }

    const PanelControls& c() const { return panel->Controls(); }
    const PanelMenus& m() const { return panel->Menus(); }
    PrecisionTimer& ccTimer() { return panel->TheEngine().ccTimer; }
    PrecisionTimer& ssTimer() { return panel->TheEngine().ssTimer; }

    FakeClock clock;
    ScriptedHid hid{&clock};
    DeviceLink link{hid};
    RecordingSink sink;
    FakeTray tray;
    HandDriver cc;
    HandDriver ss;
    QTemporaryDir folder;
    Model model;
    std::unique_ptr<Dialog1> panel;
};

}  // namespace qv::test
