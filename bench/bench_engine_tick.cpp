#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

#include "AllocationCounter.h"
#include "engine/Engine.h"
#include "input/EvdevFrames.h"
#include "model/Startup.h"

namespace qv {
namespace {

// The report of a controller in the given state: raw 10-bit axis fields, buttons, shift bits
// and mode switch.
std::array<uint8_t, 7> Report(int x, int y, int turn, uint8_t buttons, uint8_t byte6) {
    const auto field = [](int v) { return v >= 0 ? v : v + 1023; };
    const int fx = field(x);
    const int fy = field(y);
    const int ft = field(turn);
    return {0x01,
            static_cast<uint8_t>(fx & 0xFF),
            static_cast<uint8_t>(((fx >> 8) & 3) | ((fy & 63) << 2)),
            static_cast<uint8_t>(((fy >> 6) & 15) | ((ft & 15) << 4)),
            static_cast<uint8_t>((ft >> 4) & 63),
            buttons,
            byte6};
}

// A play that changes on every tick: the stick swept through every direction and the walk zone,
// the twist, button 1 (a key), button 2 (a key group) and button 3 (a sequence) pressed and let
// go, a shift button and the mode switch.
const std::array<std::array<uint8_t, 7>, 8> kPlay{
    Report(300, 0, 0, 0x01, 0x10),     Report(150, -150, 0, 0x00, 0x10),
    Report(-300, 0, 480, 0x02, 0x10),  Report(0, 300, 0, 0x00, 0x11),
    Report(0, -300, -480, 0x04, 0x20), Report(0, 0, 0, 0x00, 0x20),
    Report(-120, 120, 0, 0x03, 0x10),  Report(0, 0, 0, 0x00, 0x10)};

// A controller that queues several reports between two ticks, as one that reports every
// millisecond does, each batch the next state of the play.
class PlayingController final : public HidPlatform {
public:
    std::vector<std::string> Interfaces() override { return {"bench"}; }
    std::unique_ptr<HidDevice> Open(const std::string&) override {
        return std::make_unique<Device>();
    }
    std::optional<HidIds> DeniedIds(const std::string&) override { return std::nullopt; }

private:
    class Device final : public HidDevice {
    public:
        std::optional<HidIds> Ids() override {
            return HidIds{kControllerVendor, kControllerProduct};
        }
        std::size_t InputReportLength() override { return kPlay[0].size(); }
        int Read(std::span<uint8_t> into) override {
            if (waiting_ == 0) {
                waiting_ = kReportsPerTick;
                step_ = (step_ + 1) % kPlay.size();
                return 0;
            }
            --waiting_;
            const std::size_t n = std::min(into.size(), kPlay[step_].size());
            std::copy_n(kPlay[step_].begin(), n, into.begin());
            return static_cast<int>(n);
        }
        bool SendFeatureReport(std::span<const uint8_t>) override { return true; }

    private:
        static constexpr int kReportsPerTick = 4;
        int waiting_ = kReportsPerTick;
        std::size_t step_ = 0;
    };
};

// The uinput and XTest backends' own translation into Linux input events, without a device.
class TranslatingSink final : public InputSink {
public:
    void Send(const InputRecord& record) override {
        const EvdevFrame frame = frames_.Translate(record);
        events += frame.Size();
        benchmark::DoNotOptimize(frame);
    }

    std::size_t events = 0;

private:
    EvdevFrames frames_;
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

enum class Mode { Preview, Keys, Mouse };

void RunTicks(benchmark::State& state, Mode mode) {
    PlayingController controller;
    DeviceLink link(controller);
    link.FindTheHid();
    SystemClock clock;
    TranslatingSink sink;
    QuietPanel panel(mode == Mode::Preview);
    auto model = std::make_unique<Model>();
    ApplyStartupDefaults(*model);
    model->settings.MidDeadZone = 300;
    model->settings.chkSimMouse = mode == Mode::Mouse ? 1 : 0;
    model->KeyMap[0][8] = {0, 0xA2, 0x43};
    model->KeyMapCombo[0][8][1] = true;
    model->KeyMap[0][9] = {3, 0x41, 0x53, 0x44};
    auto ring = std::make_unique<SequenceRing>();
    auto engine = std::make_unique<Engine>(*model, link, clock, sink, *ring, nullptr, nullptr);
    engine->AttachView(panel);
    engine->SetRingStart(kRingStart);
    // One round of the play first, so that only the steady state is counted.
    for (std::size_t i = 0; i < kPlay.size(); ++i) {
        engine->EngineTick();
    }

    const std::size_t before = AllocationCount();
    sink.events = 0;
    for (auto _ : state) {
        engine->EngineTick();
    }
    const auto perTick = [&state](std::size_t count) {
        return benchmark::Counter(
            static_cast<double>(count) /
            static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1)));
    };
    state.counters["allocations/tick"] = perTick(AllocationCount() - before);
    state.counters["events/tick"] = perTick(sink.events);
}

void BM_EngineTickPreview(benchmark::State& state) {
    RunTicks(state, Mode::Preview);
}
BENCHMARK(BM_EngineTickPreview);

void BM_EngineTickKeys(benchmark::State& state) {
    RunTicks(state, Mode::Keys);
}
BENCHMARK(BM_EngineTickKeys);

void BM_EngineTickMouse(benchmark::State& state) {
    RunTicks(state, Mode::Mouse);
}
BENCHMARK(BM_EngineTickMouse);

}  // namespace
}  // namespace qv
