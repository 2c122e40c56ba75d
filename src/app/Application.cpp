#include "app/Application.h"

#include "device/LampSequences.h"

namespace qv {

Application::Application(PlatformParts parts)
    : clock(parts.clock),
      link(parts.hid),
      engine(model, link, parts.clock, parts.sink, ring, parts.ccDriver, parts.ssDriver),
      sink_(parts.sink) {}

void Application::StopTimers() {
    engine.Timers.StopTimers();
}

void Application::CloseOutput() {
    sink_.Close();
}

void Application::PlayExitLampsAndCloseDevice() {
    PlayExitSequence(link, clock);
    link.CloseDevice();
}

void Application::LetGo() {
    StopTimers();
    engine.StopOutput();
}

}  // namespace qv
