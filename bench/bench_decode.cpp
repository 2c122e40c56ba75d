#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "model/Axes.h"

namespace qv {
namespace {

// A spread of reports so the decoders see every branch: both halves of each axis, all bytes.
std::array<std::array<uint8_t, 7>, 256> VariedReports() {
    std::array<std::array<uint8_t, 7>, 256> reports{};
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const auto b = static_cast<uint8_t>(i);
        reports[i] = {1,
                      b,
                      static_cast<uint8_t>(b * 7),
                      static_cast<uint8_t>(b * 13),
                      static_cast<uint8_t>(b * 29),
                      0,
                      0x10};
    }
    return reports;
}

Axes CalibratedAxes() {
    Axes axes;
    axes.Limits = {498, -505, 511, -490, 470, -480};
    axes.ApplyCalibration();
    return axes;
}

void DecodeOneReport(benchmark::State& state) {
    const auto reports = VariedReports();
    Axes axes = CalibratedAxes();
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& report = reports[next];
        next = (next + 1) % reports.size();
        axes.AxisX = axes.DecodeX(report[1], report[2]);
        axes.AxisY = axes.DecodeY(report[2], report[3]);
        axes.AxisTurn = axes.DecodeTurn(report[3], report[4]);
        benchmark::DoNotOptimize(axes.AxisX);
        benchmark::DoNotOptimize(axes.AxisY);
        benchmark::DoNotOptimize(axes.AxisTurn);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DecodeOneReport);

void ApplyCalibrationToAllAxes(benchmark::State& state) {
    Axes axes = CalibratedAxes();
    int16_t shift = 0;
    for (auto _ : state) {
        shift = static_cast<int16_t>((shift + 1) % 32);
        axes.Limits.MaxX = static_cast<int16_t>(480 + shift);
        axes.ApplyCalibration();
        benchmark::DoNotOptimize(axes.X());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ApplyCalibrationToAllAxes);

}  // namespace
}  // namespace qv
