#include <benchmark/benchmark.h>

#include <QApplication>

#include "calibration/Calibration.h"
#include "model/Clock.h"
#include "model/Model.h"
#include "model/Startup.h"

namespace {

// One step of the shown dialog every 10 ms while the stick and the twist sweep: both pictures
// are drawn from scratch and painted again.
void BM_CalibrationStep(benchmark::State& state) {
    qv::Model model;
    qv::ApplyStartupDefaults(model);
    qv::SystemClock clock;
    qv::Calibration dialog(model, clock, nullptr, nullptr);
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
