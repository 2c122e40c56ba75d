#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

#include "AllocationCounter.h"
#include "engine/Engine.h"
#include "model/Startup.h"

namespace qv {
namespace {

// A controller that delivers the same report on every read: button 1 held, stick right and
// up, outside the dead zone.
class SteadyController final : public HidPlatform {
public:
    std::vector<std::string> interfaces() override { return {"bench"}; }
    std::unique_ptr<HidDevice> open(const std::string&) override {
        return std::make_unique<Device>();
    }

private:
    class Device final : public HidDevice {
    public:
        std::optional<HidIds> ids() override {
            return HidIds{kControllerVendor, kControllerProduct};
        }
        std::size_t inputReportLength() override { return kReport.size(); }
        int read(std::span<uint8_t> into) override {
            const std::size_t n = std::min(into.size(), kReport.size());
            std::copy_n(kReport.begin(), n, into.begin());
            return static_cast<int>(n);
        }
        bool sendFeatureReport(std::span<const uint8_t>) override { return true; }

        static constexpr std::array<uint8_t, 7> kReport{0x01, 0x2C, 0x4D, 0x0B, 0x00, 0x01, 0x10};
    };
};

class DiscardSink final : public InputSink {
public:
    void send(const InputRecord& record) override { benchmark::DoNotOptimize(&record); }
};

class QuietPanel final : public PanelView {
public:
    explicit QuietPanel(bool shown) : shown_(shown) {}
    bool Shown() const override { return shown_; }
    void Refresh() override {}
    void SetSlotColour(int, bool) override {}
    void SetSimMouseColour(bool) override {}
    void SetSendEnabled(bool) override {}
    void FocusSend() override {}
    void LoadDefaultProfile() override {}

private:
    bool shown_;
};

void RunTicks(benchmark::State& state, bool shown) {
    SteadyController controller;
    DeviceLink link(controller);
    link.FindTheHid();
    SystemClock clock;
    DiscardSink sink;
    QuietPanel panel(shown);
    auto model = std::make_unique<Model>();
    ApplyStartupDefaults(*model);
    auto engine = std::make_unique<Engine>(*model, link, clock, panel, sink, nullptr, nullptr);
    engine->SetRingStart(kRingStart);
    engine->EngineTick();

    const std::size_t before = AllocationCount();
    for (auto _ : state) {
        engine->EngineTick();
    }
    state.counters["allocations/tick"] = benchmark::Counter(
        static_cast<double>(AllocationCount() - before) /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1)));
}

void BM_EngineTickOutput(benchmark::State& state) {
    RunTicks(state, false);
}
BENCHMARK(BM_EngineTickOutput);

void BM_EngineTickPreview(benchmark::State& state) {
    RunTicks(state, true);
}
BENCHMARK(BM_EngineTickPreview);

}  // namespace
}  // namespace qv
