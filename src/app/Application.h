#pragma once

#include "device/DeviceLink.h"
#include "device/HidPlatform.h"
#include "engine/Engine.h"
#include "engine/SequenceRing.h"
#include "input/InputSink.h"
#include "model/Clock.h"
#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

// What the platform lends the program, owned by whoever makes it: the program makes the real
// ones, tests make fakes.
struct PlatformParts {
    HidPlatform& hid;
    Clock& clock;
    InputSink& sink;
    // They drive the engine's high-resolution timer and its standard 10 ms one.
    TimerDriver* ccDriver = nullptr;
    TimerDriver* ssDriver = nullptr;
};

// The program without its windows: the process-wide tables, the controller, the queue of
// sequences and the engine with its timers. It lives as long as the process; the control panel
// views and drives it, and attaches itself to the engine as its view.
class Application final {
public:
    explicit Application(PlatformParts parts);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The exit's steps that need no window, in the order it takes them. From here on no tick
    // runs, so none meets a closed controller.
    void StopTimers();
    // Lets go of every key and button still held down.
    void CloseOutput();
    void PlayExitLampsAndCloseDevice();

    // Stops the engine's timers and lets go of every key and button its output holds: what a
    // failure the program can't live with does before it says so.
    void LetGo();

    Model model;
    Clock& clock;
    DeviceLink link;
    SequenceRing ring;
    Engine engine;

private:
    InputSink& sink_;
};

}  // namespace qv
