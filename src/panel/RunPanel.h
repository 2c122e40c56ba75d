#pragma once

#include "app/TerminationSignals.h"
#include "panel/Dialog1.h"

namespace qv {

// The program's life: the load step, then the shown panel and the event loop until an exit.
// SIGINT and SIGTERM exit as the tray's "Exit" does. Answers the exit status: 1 when the load
// step failed.
int RunPanel(Dialog1& panel, TerminationSignals& terminations);

}  // namespace qv
