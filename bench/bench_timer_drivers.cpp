#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>

#include "timer/QtTimerDriver.h"
#include "timer/TimerFdDriver.h"

namespace qv {
namespace {

constexpr int kEventsPerRun = 200;

// The average time between two events at the engine's shortest period, 1 ms.
template <typename Driver>
void BM_AveragePeriodAt1ms(benchmark::State& state) {
    Driver driver;
    for (auto _ : state) {
        int events = 0;
        QElapsedTimer elapsed;
        driver.Start(std::chrono::milliseconds(1), [&] {
            if (++events == 1) {
                elapsed.start();
            }
        });
        while (events <= kEventsPerRun) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        driver.Stop();
        state.SetIterationTime(static_cast<double>(elapsed.nsecsElapsed()) / 1e9 / kEventsPerRun);
    }
}
BENCHMARK(BM_AveragePeriodAt1ms<TimerFdDriver>)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AveragePeriodAt1ms<QtTimerDriver>)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
