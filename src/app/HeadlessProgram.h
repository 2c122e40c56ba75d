#pragma once

#include "app/HeadlessPanel.h"
#include "app/TerminationSignals.h"
#include "device/DeviceLink.h"
#include "engine/Clock.h"
#include "engine/Engine.h"
#include "engine/Model.h"
#include "input/InputSink.h"
#include "timer/QtTimerDriver.h"
#include "timer/TimerFdDriver.h"

namespace qv {

// The program without a window: the defaults, the controller, the engine on the standard
// timer sending output as from the tray, until SIGINT or SIGTERM.
class HeadlessProgram final {
public:
    HeadlessProgram(HidPlatform& platform, InputSink& sink, Clock& clock,
                    TerminationSignals& terminations);

    // The exit status: 1 without the controller, after saying so on stderr; 0 after a signal.
    int Run();

private:
    void ShutDown();

    InputSink& sink_;
    Clock& clock_;
    TerminationSignals& terminations_;
    Model model_;
    DeviceLink link_;
    HeadlessPanel panel_;
    TimerFdDriver ccDriver_;
    QtTimerDriver ssDriver_;
    Engine engine_;
};

}  // namespace qv
