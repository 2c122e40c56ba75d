#include "engine/Engine.h"

#include "device/LampSequences.h"
#include "model/Startup.h"

namespace qv {

namespace {

constexpr int32_t kStandardInterval = 10;

}  // namespace

Engine::Engine(Model& model, DeviceLink& link, Clock& clock, InputSink& sink, SequenceRing& ring,
               TimerDriver* ccDriver, TimerDriver* ssDriver)
    : ccTimer(clock, ccDriver),
      ssTimer(clock, ssDriver),
      DelayTimer(clock),
      Timers(ccTimer, ssTimer, model.settings),
      model_(model),
      link_(link),
      clock_(clock),
      synth_(sink, model.settings, DelayTimer),
      ring_(ring) {
    SetTimerCreationValues(ccTimer, DelayTimer);
    ssTimer.SetFiringMode(PrecisionTimer::Periodic);
    ssTimer.SetInterval(kStandardInterval);
    ccTimer.Timer = [this](int32_t milliseconds) { cctimer_Timer(milliseconds); };
    ssTimer.Timer = [this](int32_t) { ssTimer_Timer(); };
}

void Engine::ssTimer_Timer() {
    if (view_ != nullptr) {
        EngineTick();
    }
}

void Engine::cctimer_Timer(int32_t) {
    if (view_ != nullptr && model_.EngineReady) {
        model_.EngineReady = false;
        EngineTick();
    }
}

void Engine::StartEngine() {
    model_.axes.AxisX = 0;
    model_.axes.AxisY = 0;
    model_.axes.AxisTurn = 0;
    model_.Mode = 0;
    Timers.StartChosenTimer();
    view_->SetSendEnabled(true);
    view_->FocusSend();
    model_.EngineReady = true;
    view_->LoadDefaultProfile();
    PlayStartupShow(link_, clock_);
}

}  // namespace qv
