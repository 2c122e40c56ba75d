#pragma once

#include "app/Application.h"
#include "app/TerminationSignals.h"
#include "panel/ControlPanel.h"
#include "timer/TimerFdDriver.h"

namespace qv {

// The program's life: the load step, then the shown panel and the event loop until an exit.
// SIGINT and SIGTERM exit as the tray's "Exit" does. Answers the exit status: 1 when the load
// step failed.
int RunPanel(ControlPanel& panel, TerminationSignals& terminations);

// A high-precision timer that fails to start would leave an engine that never ticks: the
// program then lets go of what its output holds, says why and ends as the tray's "Exit" does,
// with exit status 1.
void EndOnTimerFailure(Application& app, ControlPanel& panel, TimerFdDriver& driver);

}  // namespace qv
