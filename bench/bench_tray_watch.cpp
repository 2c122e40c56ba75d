// The engine's ticks at its shortest period, 1 ms, over 10 s of output while the panel stands in
// the notification area of a StatusNotifier watcher on the session bus: the worst interval
// between two ticks (the time shown), how many ticks came more than 2 ms after the one before,
// and how many there were. The X server, the session bus and the watcher are the benchmark's
// own; the controller is scripted, and the output is recorded instead of sent.
//   build/bench/bench_tray_watch
// On a busy machine other programs delay the ticks as well; as root,
// `chrt -f 50 build/bench/bench_tray_watch` keeps them from taking the engine's thread's turn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "SessionBus.h"
#include "StandInWatcher.h"
#include "XvfbServer.h"
#include "app/Application.h"
#include "model/Clock.h"
#include "panel/ControlPanel.h"
#include "panel/PanelControls.h"
#include "panel/SystemTray.h"
#include "timer/QtTimerDriver.h"
#include "timer/TimerFdDriver.h"
#include "ui/AppLook.h"

namespace qv {
namespace {

using TickTime = std::chrono::steady_clock::time_point;

// The high-resolution timer, noting when each of its events reaches the engine.
class StampedDriver final : public TimerDriver {
public:
    void Start(Clock::Duration period, std::function<void()> fire) override {
        driver_.Start(period, [this, fire = std::move(fire)] {
            ticks.push_back(std::chrono::steady_clock::now());
            fire();
        });
    }
    void Stop() override { driver_.Stop(); }

    std::vector<TickTime> ticks;

private:
    TimerFdDriver driver_;
};

void BM_TicksAt1msInTheTray(benchmark::State& state) {
    const qv::test::Bytes idle{0x01, 0, 0, 0, 0, 0, 0x10};
    SystemClock clock;
    test::ScriptedHid hid;
    hid.AddController().waiting.push_back(idle);
    test::RecordingSink sink;
    StampedDriver ccDriver;
    QtTimerDriver ssDriver;
    Application quorvane(
        {.hid = hid, .clock = clock, .sink = sink, .ccDriver = &ccDriver, .ssDriver = &ssDriver});
    SystemTray tray;
    QtTimerDriver calibrationDriver;
    QTemporaryDir profiles;
    ControlPanel panel(quorvane, {.tray = tray,
                                  .calibrationDriver = &calibrationDriver,
                                  .profileFolder = profiles.path(),
                                  .inputProblem = {}});
    if (!panel.Form_Load()) {
        state.SkipWithError("the panel did not load");
        return;
    }
    panel.show();
    if (panel.Controls().chkCCTIMER->Value() != 1) {
        panel.Controls().chkCCTIMER->click();
    }
    panel.Controls().Freq->setValue(1);
    for (auto _ : state) {
        panel.Send_Click();
        if (!tray.Icon().isVisible()) {
            state.SkipWithError("the panel is not in the notification area");
            break;
        }
        ccDriver.ticks.clear();
        QEventLoop output;
        QTimer::singleShot(std::chrono::seconds(10), Qt::PreciseTimer, &output, &QEventLoop::quit);
        output.exec();
        panel.TrayRestore_Click();

        std::chrono::steady_clock::duration worst{};
        int late = 0;
        for (size_t tick = 1; tick < ccDriver.ticks.size(); ++tick) {
            const auto interval = ccDriver.ticks[tick] - ccDriver.ticks[tick - 1];
            worst = std::max(worst, interval);
            late += interval > std::chrono::milliseconds(2) ? 1 : 0;
        }
        state.SetIterationTime(std::chrono::duration<double>(worst).count());
        state.counters["ticks"] = static_cast<double>(ccDriver.ticks.size());
        state.counters["later_than_2ms"] = late;
    }
}
BENCHMARK(BM_TicksAt1msInTheTray)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

int main(int argc, char** argv) {
    const qv::test::XvfbServer x;
    const qv::test::SessionBus bus;
    if (x.XDisplay().empty() || bus.Address().empty()) {
        std::cerr << (x.XDisplay().empty() ? x.WhyNot() : bus.WhyNot()) << std::endl;
        return 1;
    }
    setenv("DISPLAY", x.XDisplay().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().c_str(), 1);
    QApplication app(argc, argv);
    qv::UseAppLook();
    qv::test::StandInWatcher watcher(QV_STAND_IN_WATCHER);
    if (!watcher.Come()) {
        std::cerr << "the stand-in StatusNotifier watcher did not start" << std::endl;
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
