#include <benchmark/benchmark.h>

#include <QApplication>

#include "LiveViewPanel.h"
#include "calibration/CalibrationDialog.h"
#include "model/Clock.h"
#include "model/Startup.h"

namespace {

// The widest fan (twist dead zone 500: 112 lines) with the stick and the twist moving on every
// tick, so every picture is drawn and painted again.
void BM_RefreshMoving(benchmark::State& state) {
    qv::test::LiveViewPanel panel;
    panel.window.show();
    panel.model.settings.DeadZone2 = 500;
    panel.model.settings.MidDeadZone = 300;
    int16_t axis = 0;
    for (auto _ : state) {
        axis = static_cast<int16_t>((axis + 37) % 1000 - 500);
        panel.model.axes.AxisX = axis;
        panel.model.axes.AxisTurn = static_cast<int16_t>(-axis);
        panel.view->Refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RefreshMoving);

// The panel shown and the controller at rest: the refresh that runs most of the time.
void BM_RefreshIdle(benchmark::State& state) {
    qv::test::LiveViewPanel panel;
    panel.window.show();
    panel.model.settings.DeadZone2 = 500;
    panel.Refresh(30);
    QApplication::processEvents();
    for (auto _ : state) {
        panel.view->Refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RefreshIdle);

// The calibration dialog's step, every 10 ms while it is open, with the stick and the twist
// sweeping: both of its pictures are drawn from scratch and painted again.
void BM_CalibrationStep(benchmark::State& state) {
    qv::Model model;
    qv::ApplyStartupDefaults(model);
    qv::SystemClock clock;
    qv::CalibrationDialog dialog(model, clock, nullptr, nullptr);
    dialog.show();
    int16_t raw = 0;
    for (auto _ : state) {
        raw = static_cast<int16_t>((raw + 37) % 1000 - 500);
        model.axes.SampleX = {raw, true};
        model.axes.SampleY = {static_cast<int16_t>(-raw), true};
        model.axes.SampleTurn = {raw, true};
        dialog.ssTimer_Timer();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalibrationStep);

}  // namespace
