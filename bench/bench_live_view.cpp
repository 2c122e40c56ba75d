#include <benchmark/benchmark.h>

#include <QApplication>

#include "FakeClock.h"
#include "LiveViewPanel.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "engine/Engine.h"
#include "engine/Startup.h"

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

// A shown panel whose refresh draws nothing, so the tick itself is measured.
class QuietPanel final : public qv::PanelView {
public:
    bool Visible() const override { return true; }
    std::string TrayPauseCaption() const override { return qv::kPauseEngine; }
    void Refresh() override {}
    void SetSlotColour(int, bool) override {}
    void SetSimMouseColour(bool) override {}
    void SetFreqEnabled(bool) override {}
    void SetTimerMenuChecks(bool) override {}
    void SetSendEnabled(bool) override {}
    void FocusSend() override {}
    void LoadDefaultProfile() override {}
};

void BM_PreviewTick(benchmark::State& state) {
    qv::Model model;
    qv::ApplyStartupDefaults(model);
    qv::test::FakeClock clock;
    qv::test::ScriptedHid hid(&clock);
    hid.addController();
    qv::DeviceLink link(hid);
    link.FindTheHid();
    QuietPanel panel;
    qv::test::RecordingSink sink;
    qv::Engine engine(model, link, clock, panel, sink, nullptr, nullptr);
    for (auto _ : state) {
        engine.EngineTick();
    }
}
BENCHMARK(BM_PreviewTick);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
